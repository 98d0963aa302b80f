#pragma once
// The buttons of the "Systeme" page: the build of a system on the runner's worker (its button
// stops it), the numbers taken from the grid or the calculation's pool, the slips into the grid,
// the tip files, the print of every slip and the check of the shown system or of tip files.
#include "systems/system_check.h"

#include <QObject>

#include <functional>
#include <vector>

namespace razoz {

class LongActionRunner;
class Session;
class SystemePage;
class TipGrid;

class SystemActions : public QObject {
public:
    struct Parts {
        Session& session;
        LongActionRunner& runner;
        SystemePage& page;
        TipGrid& grid;
        std::function<int()> printGrid; // the slip print of the grid's rows; 1 when it printed
    };
    SystemActions(Parts parts, QObject* parent);

    void build(); // or stop the build that runs
    void takeGridNumbers();
    void takePoolNumbers();
    void slipToGrid(int index);
    void saveTipFiles();
    void printSlips();
    void check();

private:
    void checkRows(const std::vector<std::vector<int>>& rows, const std::vector<int>& numbers, systems::Guarantee g);

    Parts p_;
    bool building_ = false;
};

} // namespace razoz
