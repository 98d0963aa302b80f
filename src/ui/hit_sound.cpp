#include "ui/hit_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace razoz {

QtHitSoundPlayer::QtHitSoundPlayer() = default;
QtHitSoundPlayer::~QtHitSoundPlayer() = default;

void QtHitSoundPlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    if (source_ != path) {
        source_ = path;
        effect_->setSource(QUrl::fromLocalFile(path));
    }
    effect_->play();
}

} // namespace razoz
