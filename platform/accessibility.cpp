#include "platform/accessibility.h"

#include "platform/description_signal.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>

namespace veltrane::platform {

namespace {

// The behaviour given to a widget, kept as a child of the widget so that it lives and dies
// with it and the accessible object can find it.
class Pressable final : public QObject {
  public:
    Pressable(QObject* parent, PressBehaviour behaviour)
        : QObject(parent), behaviour_(std::move(behaviour)) {}
    const PressBehaviour& behaviour() const { return behaviour_; }
    const QString& description() const { return description_; }
    void setDescription(const QString& description) { description_ = description; }

  private:
    PressBehaviour behaviour_;
    QString description_;
};

// The mark on a menu item whose Press runs later.
class PressLater final : public QObject {
  public:
    using QObject::QObject;
};

// The mark on a window made from a plain widget.
class WindowMark final : public QObject {
  public:
    using QObject::QObject;
};

// A widget over a picture that only carries the picture's words.
class PictureText final : public QWidget {
  public:
    PictureText(QWidget* parent, QAccessible::Role role) : QWidget(parent), role_(role) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QAccessible::Role role() const { return role_; }

  private:
    QAccessible::Role role_;
};

// The helper object of the given kind among the object's own children. The helpers carry no
// meta-object of their own, so they are told apart by their C++ type.
template <typename Helper> Helper* HelperOf(const QObject* object) {
    for (QObject* child : object->children()) {
        if (auto* helper = dynamic_cast<Helper*>(child)) {
            return helper;
        }
    }
    return nullptr;
}

// No window but the target's own may be modal: a mouse click could not reach it otherwise.
bool ReachableByClick(const QWidget* target) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == target->window();
}

// The click, queued behind the assistive technology's call; dropped when the target went away,
// is hidden or disabled, or another window became modal in the meantime.
void RunLater(QWidget* target, std::function<void()> click) {
    QMetaObject::invokeMethod(
        target,
        [target, click = std::move(click)] {
            if (target->isVisible() && target->isEnabled() && ReachableByClick(target) && click) {
                click();
            }
        },
        Qt::QueuedConnection);
}

// A widget with a Press. One that tells what it shows (a board place) also offers that as its
// text, "Spades slot 1, seven of hearts": a screen reader's review of the screen reads the text
// of what lies on it, and the name alone would give the places without their cards.
class PressableAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    PressableAccessible(QWidget* widget, const Pressable* pressable)
        : QAccessibleWidget(widget, pressable->behaviour().role), pressable_(pressable) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && showsSomething()) {
            return pressable_->description();
        }
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget())) {
                text = label->text();
            }
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (pressable_ != nullptr && pressable_->behaviour().selected) {
            state.selectable = true;
            state.selected = pressable_->behaviour().selected();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return showsSomething() ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && pressable_ != nullptr) {
            RunLater(widget(), pressable_->behaviour().press);
        }
    }

    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

    // The text: one line, read only, nothing selected, no caret that moves.
    QString text(int startOffset, int endOffset) const override {
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    // The words are not drawn; every character lies over the whole place.
    QRect characterRect(int /*offset*/) const override { return rect(); }
    int offsetAtPoint(const QPoint& /*point*/) const override { return 0; }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

  private:
    bool showsSomething() const {
        return pressable_ != nullptr && !pressable_->description().isNull();
    }
    QString shownText() const {
        if (!showsSomething()) {
            return {};
        }
        return QAccessibleWidget::text(QAccessible::Name) + QStringLiteral(", ") +
               pressable_->description();
    }

    QPointer<const Pressable> pressable_;
};

QString StripAccessKey(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            text.remove(i, 1); // "&&" leaves one '&', which the loop then steps over
        }
    }
    return text;
}

// A menu item as the desktop's own menus show it, but with a Press that runs later.
class PressLaterMenuItem final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    PressLaterMenuItem(QWidget* owner, QAction* action) : owner_(owner), action_(action) {}

    bool isValid() const override { return owner_ != nullptr && action_ != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        if (owner_ == nullptr) {
            return nullptr;
        }
        const QWidget* native =
            owner_->windowHandle() != nullptr ? owner_.data() : owner_->nativeParentWidget();
        return native != nullptr ? native->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && action_ != nullptr ? StripAccessKey(action_->text())
                                                            : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (const auto* menu = qobject_cast<const QMenu*>(owner_)) {
            return menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0)));
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(owner_)) {
            return bar->actionGeometry(action_).translated(bar->mapToGlobal(QPoint(0, 0)));
        }
        return {};
    }

    QAccessible::Role role() const override { return QAccessible::MenuItem; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (owner_ == nullptr || action_ == nullptr) {
            state.invalid = true;
            return state;
        }
        state.invisible = !owner_->isVisible() || !action_->isVisible();
        if (const auto* menu = qobject_cast<const QMenu*>(owner_)) {
            state.focused = menu->activeAction() == action_;
        }
        state.hotTracked = owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking) != 0;
        state.disabled = !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || action_ == nullptr || owner_ == nullptr ||
            !action_->isEnabled()) {
            return;
        }
        // The menu has closed by then; what must be reachable is the window it belongs to.
        QWidget* shownFrom =
            owner_->parentWidget() != nullptr ? owner_->parentWidget()->window() : owner_.data();
        QPointer<QAction> action = action_;
        RunLater(shownFrom, [action] {
            if (action != nullptr && action->isEnabled()) {
                action->trigger();
            }
        });
    }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

  private:
    QPointer<QWidget> owner_;
    QPointer<QAction> action_;
};

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (HelperOf<PressLater>(action) == nullptr) {
            return nullptr;
        }
        for (QObject* shownIn : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(shownIn)) {
                return new PressLaterMenuItem(menu, action);
            }
        }
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (const auto* text = dynamic_cast<PictureText*>(widget)) {
        return new QAccessibleWidget(widget, text->role());
    }
    if (const auto* pressable = HelperOf<Pressable>(widget)) {
        return new PressableAccessible(widget, pressable);
    }
    if (HelperOf<WindowMark>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void MakePressable(QWidget* widget, PressBehaviour behaviour) {
    InstallAccessibility();
    new Pressable(widget, std::move(behaviour));
    // An accessible object made before (a label tells its text as it gets it) knows no Press;
    // it goes, and the next one asked for is made with the Press.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && dynamic_cast<PressableAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void MakePressLater(QAction* action) {
    InstallAccessibility();
    new PressLater(action);
}

void SetDescription(QWidget* widget, const QString& description, bool tell) {
    auto* pressable = HelperOf<Pressable>(widget);
    if (pressable == nullptr) {
        // The widget's own setter tells every call, changed or not.
        if (widget->accessibleDescription() != description) {
            widget->setAccessibleDescription(description);
        }
        return;
    }
    if (pressable->description() == description && !pressable->description().isNull()) {
        return;
    }
    pressable->setDescription(description);
    if (tell && QAccessible::isActive() && !SendDescriptionWithItsText(widget, description)) {
        QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Announce(QWidget* widget, const QString& words) {
    if (!QAccessible::isActive() || words.isEmpty()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget, words);
    QAccessible::updateAccessibility(&event);
#else
    // A screen reader says a changed description of the focused widget as it comes: the words
    // go as one, and the description the widget keeps is left as it is.
    SendDescriptionWithItsText(widget, words);
#endif
}

void MakeWindowAccessible(QWidget* window) {
    InstallAccessibility();
    new WindowMark(window);
    // One made before (a window tells its title as it gets it) goes, as in MakePressable.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(window);
    if (made != nullptr && made->role() != QAccessible::Window) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

QWidget* AddPictureText(QWidget* parent, const QRect& where, QAccessible::Role role,
                        const QString& text) {
    InstallAccessibility();
    auto* words = new PictureText(parent, role);
    words->setAccessibleName(text);
    words->setGeometry(where);
    return words;
}

} // namespace veltrane::platform
