#pragma once
// What the notifier window needs from outside: its message boxes and its sound. The program
// uses message boxes and Qt Multimedia; window tests record the calls instead.

#include <QString>
#include <QStringList>

#include <memory>

class QSoundEffect;

namespace pelmira {

class NotifierDialogs {
 public:
  virtual ~NotifierDialogs() = default;
  // The read-error box: warning icon, title "Lunoka".
  virtual void read_error(const QString& text) = 0;
  // The date reader's own box: error icon, modal to the whole program.
  virtual void date_reader_alert(const QString& text) = 0;
  // The count box of a test run: an OK box with the program's title.
  virtual void count_box(const QString& text) = 0;
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void open_and_play() = 0;
  virtual void close() = 0;
};

// Message boxes titled "Lunoka".
class MessageBoxDialogs : public NotifierDialogs {
 public:
  void read_error(const QString& text) override;
  void date_reader_alert(const QString& text) override;
  void count_box(const QString& text) override;
};

// Plays the first of the candidate files that exists. A missing file or a sound device
// that fails is not reported: the notifier then simply stays silent.
class QtSoundPlayer : public SoundPlayer {
 public:
  explicit QtSoundPlayer(QStringList candidates);
  ~QtSoundPlayer() override;
  void open_and_play() override;
  void close() override;

 private:
  QStringList candidates_;
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace pelmira
