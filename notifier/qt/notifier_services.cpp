#include "notifier/qt/notifier_services.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

namespace pelmira {
namespace {

const QString kTitle = QStringLiteral("Lunoka");

void show_box(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, kTitle, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

void MessageBoxDialogs::read_error(const QString& text) {
  show_box(QMessageBox::Warning, text);
}

void MessageBoxDialogs::date_reader_alert(const QString& text) {
  show_box(QMessageBox::Critical, text);
}

void MessageBoxDialogs::count_box(const QString& text) {
  show_box(QMessageBox::NoIcon, text);
}

QtSoundPlayer::QtSoundPlayer(QStringList candidates) : candidates_(std::move(candidates)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::open_and_play() {
  for (const QString& path : candidates_) {
    if (!QFileInfo(path).isFile()) continue;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->play();
    return;
  }
}

void QtSoundPlayer::close() {
  if (effect_) effect_->stop();
  effect_.reset();
}

}  // namespace pelmira
