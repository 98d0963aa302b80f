#pragma once
// The hit sound: played without waiting when a tip row reaches three hits.
#include <QString>

#include <memory>

class QSoundEffect;

namespace razoz {

class HitSoundPlayer {
public:
    virtual ~HitSoundPlayer() = default;
    // Starts `path` and returns at once; the system's beep when the file is missing.
    virtual void play(const QString& path) = 0;
};

// One QSoundEffect for the whole run; its source is set on the first play (and again only if the
// path ever changes). Without an audio output nothing is played: Qt would neither fail nor report.
class QtHitSoundPlayer : public HitSoundPlayer {
public:
    QtHitSoundPlayer();
    ~QtHitSoundPlayer() override;
    void play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
    QString source_;
};

} // namespace razoz
