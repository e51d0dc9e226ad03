#include "help/frm_help.h"

#include "platform/accessibility.h"
#include "platform/error_guard.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/program_folder.h"
#include "platform/translations.h"
#include "platform/web_link.h"
#include "platform/window_setup.h"
#include "veltrane_config.h"

#include <QEvent>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

using veltrane::Int16;
namespace platform = veltrane::platform;

namespace {

constexpr Int16 kRulesTopic = 0;
constexpr Int16 kAboutTopic = 1;

constexpr Int16 kRulesButton = 0;
constexpr Int16 kOkButton = 4;
constexpr Int16 kAboutButton = 5;

const platform::WindowSpec kHelpWindow{440, 280, true, platform::FrameKind::ToolWindow};

QString webAddress() {
    return QStringLiteral(VELTRANE_WEB_ADDRESS);
}

// The window's font: the desktop's plain sans-serif at the classic 8.25 points.
QFont windowFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, Int16 index) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("btn_help_%1").arg(index));
    // No default button, not even for a moment: the dialog would press it on Enter wherever
    // the focus is. Enter on the focused button is handled by the window itself.
    button->setDefault(false);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel* makePictureBox(QWidget* parent, const QString& name) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    // A two-pixel sunken border; the picture sits inside it at its own size, never scaled, and
    // is cut off where the box is smaller.
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setScaledContents(false);
    return box;
}

} // namespace

frm_help::frm_help(const veltrane::GameState& state) : state_(state) {
    setObjectName(QStringLiteral("frm_help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Veltrane - Help"));
    setFont(windowFont());

    // The controls as designed; Form_Load places them.
    txt_help = new QPlainTextEdit(this);
    txt_help->setObjectName(QStringLiteral("txt_help"));
    txt_help->setGeometry(9, 8, 281, 292);
    txt_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txt_help->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txt_help->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txt_help->setTabChangesFocus(true);
    txt_help->setFocusPolicy(Qt::StrongFocus);

    btn_help_0 = makeButton(this, tr("Rules"), kRulesButton);
    btn_help_0->setGeometry(297, 209, 127, 23);
    btn_help_5 = makeButton(this, tr("About"), kAboutButton);
    btn_help_5->setGeometry(297, 241, 127, 23);
    btn_help_4 = makeButton(this, tr("OK"), kOkButton);
    btn_help_4->setGeometry(297, 273, 127, 23);

    lbl_splash = new QLabel(this);
    lbl_splash->setObjectName(QStringLiteral("lbl_splash"));
    lbl_splash->setGeometry(437, 272, 86, 26);
    lbl_splash->hide();

    lbl_url = new QLabel(QUrl(webAddress()).host(), this);
    lbl_url->setObjectName(QStringLiteral("lbl_url"));
    lbl_url->setGeometry(317, 186, 93, 18);
    QFont linkFont = windowFont();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    lbl_url->setFont(linkFont);
    QPalette linkPalette = lbl_url->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbl_url->setPalette(linkPalette);
    lbl_url->setAlignment(Qt::AlignCenter);
    lbl_url->setTextFormat(Qt::PlainText);
    lbl_url->installEventFilter(this);
    platform::MakePressable(
        lbl_url,
        {QAccessible::Link, [this] { platform::Guarded([this] { lbl_url_Click(); }); }, {}});

    img_logo = makePictureBox(this, QStringLiteral("img_logo"));
    img_logo->setGeometry(295, 62, 140, 102);
    img_logo->setPixmap(platform::LoadPicture(QStringLiteral("logo"), devicePixelRatioF()));
    img_logo->setAccessibleName(tr("ORVIK, games for quiet hours"));
    img_logo->hide();

    img_help2 = makePictureBox(this, QStringLiteral("img_help2"));
    img_help2->setGeometry(306, 22, 104, 151);
    img_help2->setPixmap(platform::LoadPicture(QStringLiteral("title"), devicePixelRatioF()));
    img_help2->setAccessibleName(tr("Veltrane Solitaire, around a copper card frame with a club"));

    // Keyboard order: the text, then "OK", "About", "Rules", and on the About page the link,
    // which Space or Return follows as a click does; the other labels take no focus.
    setTabOrder(txt_help, btn_help_4);
    setTabOrder(btn_help_4, btn_help_5);
    setTabOrder(btn_help_5, btn_help_0);
    lbl_url->setFocusPolicy(Qt::TabFocus);
    setTabOrder(btn_help_0, lbl_url);
    // Said with the window's title when it opens, before the page is filled in.
    describePage(state.HelpTopic);

    for (const auto& [button, index] :
         {std::pair{btn_help_0, kRulesButton}, std::pair{btn_help_5, kAboutButton},
          std::pair{btn_help_4, kOkButton}}) {
        const Int16 buttonIndex = index;
        connect(button, &QPushButton::clicked, this,
                [this, buttonIndex] { platform::Guarded([&] { btn_help_Click(buttonIndex); }); });
        button->installEventFilter(this);
    }

    Form_Load();
}

void frm_help::ShowModal(const veltrane::GameState& state, QWidget* blocked) {
    auto* window = new frm_help(state);
    window->setWindowModality(Qt::ApplicationModal);
    platform::SetOwner(window, blocked);
    // exec() deletes the window after it closes, as it is marked delete-on-close.
    window->exec();
}

void frm_help::Form_Load() {
    platform::PrepareWindow(this, kHelpWindow, platform::Background::Plain);
    txt_help->setReadOnly(true);
    txt_help->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lbl_splash->setGeometry(1, 1, 0, 0);
    img_help2->move(308, 25);
    btn_help_0->move(300, 214);
    btn_help_4->move(300, 270);
    btn_help_5->move(300, 243);
    txt_help->move(5, 8);
    img_logo->move(295, 58);
    lbl_url->move(315, 162);
    img_help2->resize(104, 148);
    img_logo->resize(140, 102);
    lbl_url->setCursor(platform::HandCursor(devicePixelRatioF()));
}

void frm_help::Form_Activate() {
    btn_help_4->setFocus(Qt::ActiveWindowFocusReason);
    if (state_.HelpTopic == kRulesTopic) {
        showPage(kRulesTopic);
    } else if (state_.HelpTopic == kAboutTopic) {
        showPage(kAboutTopic);
    }
}

void frm_help::btn_help_Click(Int16 Index) {
    switch (Index) {
    case kRulesButton:
        showPage(kRulesTopic);
        platform::Announce(btn_help_0, tr("Rules page"));
        break;
    case kAboutButton:
        showPage(kAboutTopic);
        platform::Announce(btn_help_5, tr("About page"));
        break;
    case kOkButton:
        close();
        break;
    default:
        break;
    }
}

void frm_help::showPage(Int16 topic) {
    const bool rules = topic == kRulesTopic;
    // The pictures and the link first: a message about the page's file then comes over the
    // finished page, not over the window's start state.
    txt_help->setAccessibleName(rules ? tr("Rules") : tr("About"));
    describePage(topic);
    img_help2->setVisible(rules);
    img_logo->setVisible(!rules);
    lbl_url->setVisible(!rules);
    DisplayHelp(rules ? QStringLiteral("rules.txt") : QStringLiteral("orvik.txt"));
}

void frm_help::describePage(Int16 topic) {
    // A screen reader says the window's description as the window opens: which page shows, and
    // that its text is one key back from "OK", where the focus starts.
    setAccessibleDescription(topic == kAboutTopic ? tr("About page, Shift+Tab to read")
                                                  : tr("Rules page, Shift+Tab to read"));
}

void frm_help::DisplayHelp(const QString& AFile) {
    const veltrane::help::HelpFileText read =
        veltrane::help::ReadHelpText(platform::ProgramFolder(), AFile, platform::GameLanguage());
    helpText_ = read.text;
    // CR LF is the line break of the help files; the text box breaks lines at LF.
    QString shown = read.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txt_help->setPlainText(shown);
    txt_help->moveCursor(QTextCursor::Start);
    txt_help->verticalScrollBar()->setValue(0);
    if (!read.ok()) {
        // The page stays empty and the window stays open: a bad help file must not end the game.
        // The message opens once the event that asked for the page (the window's activation, a
        // button) has been handled, so that event is not held up by the box; it still comes
        // over the finished page, before anything the player does next.
        const QString message = platform::TranslateFilled(
            "frm_help", QT_TRANSLATE_NOOP("frm_help", "Cannot read %1: %2"), {AFile, read.error});
        QMetaObject::invokeMethod(
            this, [message] { platform::Guarded([&message] { platform::MsgBox(message); }); },
            Qt::QueuedConnection);
    }
}

void frm_help::lbl_url_Click() {
    // The desktop answers later: Help stays usable while a browser starts, and a refusal is
    // told over Help, only while Help is open.
    platform::OpenAddress(QUrl(webAddress()), this, [](bool opened) {
        if (!opened) {
            platform::Guarded([] { platform::MsgBox(tr("oops, unable to link you there")); });
        }
    });
}

bool frm_help::event(QEvent* event) {
    // The page is picked when the window first becomes active after it opens; coming back
    // to it from a message box or from the browser leaves the page the player chose.
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        const bool handled = QDialog::event(event);
        platform::Guarded([this] { Form_Activate(); });
        return handled;
    }
    return QDialog::event(event);
}

void frm_help::keyPressEvent(QKeyEvent* event) {
    // Esc closes the window as its OK does, through the same handler, so that a player on the
    // keyboard leaves Help the way every other dialog of the desktop is left. No button is
    // the dialog's cancel button: the closing is OK's own.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        platform::Guarded([this] { btn_help_Click(kOkButton); });
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frm_help::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbl_url && event->type() == QEvent::KeyPress &&
        platform::IsKeyClick(*static_cast<QKeyEvent*>(event))) {
        platform::Guarded([this] { lbl_url_Click(); });
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        // Enter presses the button that has the focus, and only that one.
        if (button != nullptr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    if (watched == lbl_url && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click is a left press and release on the label itself.
        if (mouse->button() == Qt::LeftButton &&
            lbl_url->rect().contains(mouse->position().toPoint())) {
            platform::Guarded([this] { lbl_url_Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
