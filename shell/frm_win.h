#pragma once
// The win dialog: the Well Done! picture, applause, and one OK button that closes it. It does
// nothing to the game; the board keeps the won position behind it.

#include <QDialog>
#include <QPixmap>

class QPushButton;

class frm_win : public QDialog {
    Q_OBJECT
  public:
    frm_win();

    // The load steps: size, the button's place, centring. Does not show.
    void Form_Load();
    void btn_OK_Click();

    QPushButton* btn_OK = nullptr;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

namespace veltrane::shell {

// The path of the applause: the program folder with the fixed tail appended as it stands.
QString ApplauseSound();

// Loads a new win dialog and shows it application-modal over the window it blocks (the board);
// returns when the player has closed it. Each win gets a dialog of its own.
void ShowWinDialog(QWidget* blocked);

} // namespace veltrane::shell
