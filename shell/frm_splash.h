#pragma once
// The splash window: the first window of the program. Its load refuses a display set to large
// fonts; otherwise it loads the board out of sight, and a click on its ENTER HERE strip hands
// the program over to the board.

#include "board/frm_board.h"
#include "game/game.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;

class frm_splash : public QWidget {
    Q_OBJECT
  public:
    explicit frm_splash(veltrane::Game& game);

    // The load steps. False when the display is set to large fonts: the player has read the
    // message, no window has been shown, the board has not been loaded and the program ends.
    bool Form_Load();

    // A click on the ENTER HERE strip: the splash goes and the board is shown.
    void Image1_Click();

    // The board loaded behind the splash; null before the load or with large fonts.
    frm_board* board() const { return board_; }

    QWidget* Image1 = nullptr;
    QLabel* lbl_splash = nullptr;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void showEnterHereInLanguage();

    veltrane::Game& game_;
    QPointer<frm_board> board_;
    QPixmap picture_;
    bool handedOver_ = false;
    bool stripPressed_ = false;
};

namespace veltrane::shell {

// The large-fonts message, word for word as the player has always read it (the English source
// of its translations).
extern const char* const kLargeFontsMessage;

// The path of the greeting: the program folder with the fixed tail appended as it stands.
QString GreetingSound();

} // namespace veltrane::shell
