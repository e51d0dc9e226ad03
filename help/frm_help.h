#pragma once
// The help window: the Rules page (rules.txt) and the About page (orvik.txt, the maker's logo
// and the web link), switched by its buttons and closed by "OK". It is opened application-modal
// from the board's Help menu and deleted when it closes, so each opening starts afresh on the
// page that HelpTopic names.

#include "game/game_state.h"
#include "help/help_file.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class frm_help : public QDialog {
    Q_OBJECT

  public:
    // Builds the window's controls and loads it (Form_Load); it is not shown yet.
    explicit frm_help(const veltrane::GameState& state);

    // Creates, loads and shows the window application-modal over the window it blocks (the
    // board), and returns once it has closed and been deleted.
    static void ShowModal(const veltrane::GameState& state, QWidget* blocked);

    void Form_Load();
    void Form_Activate();
    // 0 "Rules", 5 "About", 4 "OK".
    void btn_help_Click(veltrane::Int16 Index);
    // Replaces the text box's whole content with the named file from the program's folder. A
    // file that cannot be read leaves the page empty; its message opens once the event being
    // handled is done.
    void DisplayHelp(const QString& AFile);
    // Hands the address to the browser; a refusal, which comes later, opens the link's message.
    void lbl_url_Click();

    // The text of the page shown, exactly as read from its file (CR LF included).
    const QString& helpText() const { return helpText_; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPage(veltrane::Int16 topic);
    void describePage(veltrane::Int16 topic);

    const veltrane::GameState& state_;
    QString helpText_;
    bool activated_ = false;

    QPlainTextEdit* txt_help;
    QPushButton* btn_help_0; // "Rules"
    QPushButton* btn_help_5; // "About"
    QPushButton* btn_help_4; // "OK"
    QLabel* lbl_splash;
    QLabel* lbl_url;
    QLabel* img_logo;
    QLabel* img_help2;
};
