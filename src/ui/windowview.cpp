#include "ui/windowview.h"

#include "engine/listbox.h"
#include "engine/userinput.h"
#include "ui/listboxmodel.h"
#include "ui/twips.h"
#include "ui/vbinput.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <utility>

using namespace Qt::StringLiterals;
using sylvane::engine::ControlKind;

namespace sylvane::ui {

namespace {

// Multi-line boxes hold CR LF line ends in the model; the editor shows LF.
QString shownText(const QString& modelText) {
    QString text = modelText;
    text.replace(u"\r\n"_s, u"\n"_s);
    return text;
}

QString modelText(const QString& shown) {
    QString text = shown;
    text.replace(u'\n', u"\r\n"_s);
    return text;
}

} // namespace

WindowView::WindowView(engine::Window& window, QWidget* parent) : QWidget(parent), window_(window) {
    if (const QScreen* screen = this->screen())
        dpi_ = screen->logicalDotsPerInchY();
    for (engine::Control* control : window_.controls()) {
        if (control->kind() == ControlKind::MenuItem)
            continue;
        auto binding = std::make_unique<Binding>();
        binding->control = control;
        binding->widget = createWidget(*binding);
        binding->widget->setObjectName(control->name());
        binding->widget->installEventFilter(this);
        byWidget_.insert(binding->widget, binding.get());
        byName_.insert(control->name(), binding.get());
        connectSignals(*binding);
        bindings_.push_back(std::move(binding));
    }
    // Containers exist once every widget does: place the contained ones inside them.
    for (const auto& binding : bindings_)
        if (engine::Control* container = binding->control->container())
            if (Binding* holder = byName_.value(container->name()))
                binding->widget->setParent(holder->widget);
    connect(&window_, &engine::Control::changed, this, [this] { fitToWindow(); });
    fitToWindow();
    for (const auto& binding : bindings_)
        apply(*binding);
}

WindowView::~WindowView() = default;

QWidget* WindowView::widgetFor(const QString& name) const {
    const Binding* binding = byName_.value(name);
    return binding ? binding->widget : nullptr;
}

QWidget* WindowView::createWidget(Binding& binding) {
    engine::Control& control = *binding.control;
    switch (control.kind()) {
    case ControlKind::Button:
        return new QPushButton(this);
    case ControlKind::CheckBox:
        return new QCheckBox(this);
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(this);
        option->setAutoExclusive(false); // the model decides which one is selected
        return option;
    }
    case ControlKind::TextBox:
        if (static_cast<engine::TextBox&>(control).multiLine()) {
            auto* box = new QPlainTextEdit(this);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return box;
        }
        return new QLineEdit(this);
    case ControlKind::ListBox: {
        auto* view = new QListView(this);
        binding.model = new ListBoxModel(static_cast<engine::ListBox&>(control), view);
        view->setModel(binding.model);
        view->setUniformItemSizes(true);
        view->setSelectionMode(QAbstractItemView::NoSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view->viewport()->installEventFilter(this);
        byWidget_.insert(view->viewport(), &binding);
        return view;
    }
    case ControlKind::Frame:
        return new QGroupBox(this);
    case ControlKind::ScrollBar:
        return new QScrollBar(Qt::Horizontal, this);
    case ControlKind::StatusBar: {
        auto* bar = new QLabel(this);
        bar->setFrameShape(QFrame::Panel);
        bar->setFrameShadow(QFrame::Sunken);
        bar->setIndent(4);
        return bar;
    }
    case ControlKind::Label:
    default:
        return new QLabel(this);
    }
}

void WindowView::connectSignals(Binding& binding) {
    Binding* b = &binding;
    connect(binding.control, &engine::Control::changed, this,
            [this, b](engine::ControlChange what) { controlChanged(*b, what); });
    if (auto* button = qobject_cast<QAbstractButton*>(binding.widget)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, b] { afterUserEvent(*b, engine::userClick(window_, *b->control)); });
    } else if (auto* line = qobject_cast<QLineEdit*>(binding.widget)) {
        connect(line, &QLineEdit::textEdited, this, [this, b](const QString& text) {
            afterUserEvent(*b, engine::userType(window_, *b->control, text));
        });
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(binding.widget)) {
        connect(box, &QPlainTextEdit::textChanged, this, [this, b, box] {
            if (!refreshing_)
                afterUserEvent(
                    *b, engine::userType(window_, *b->control, modelText(box->toPlainText())));
        });
    } else if (auto* bar = qobject_cast<QScrollBar*>(binding.widget)) {
        connect(bar, &QScrollBar::valueChanged, this, [this, b](int value) {
            if (!refreshing_)
                afterUserEvent(*b, engine::userScroll(window_, *b->control, value));
        });
    }
}

// After a user's action: a refused one (a disabled control, a busy window) leaves the
// model as it was, so the widget, which has already changed, shows the model again.
void WindowView::afterUserEvent(Binding& binding, bool accepted) {
    if (!accepted)
        apply(binding);
}

void WindowView::fitToWindow() {
    const QRect client = twipsRect(0, 0, window_.width(), window_.height(), dpi_);
    if (client.size() != size() && !client.isEmpty())
        setFixedSize(client.size());
}

void WindowView::controlChanged(Binding& binding, engine::ControlChange what) {
    switch (what) {
    case engine::ControlChange::Look:
        apply(binding);
        break;
    case engine::ControlChange::Entries:
    case engine::ControlChange::Current:
        showCurrentEntry(binding);
        break;
    case engine::ControlChange::Focus:
        focusLater(binding);
        break;
    case engine::ControlChange::Rows:
        break; // the list's item model repaints those rows
    }
}

void WindowView::apply(Binding& binding) {
    const bool wasRefreshing = std::exchange(refreshing_, true);
    engine::Control& control = *binding.control;
    QWidget* widget = binding.widget;
    switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        auto* button = static_cast<QAbstractButton*>(widget);
        button->setText(control.caption());
        if (control.kind() != ControlKind::Button) {
            button->setCheckable(true);
            button->setChecked(control.value() != 0);
        }
        break;
    }
    case ControlKind::TextBox:
        applyText(binding);
        break;
    case ControlKind::ListBox:
        break; // its rows follow its item model
    case ControlKind::Frame:
        static_cast<QGroupBox*>(widget)->setTitle(control.caption());
        break;
    case ControlKind::ScrollBar: {
        auto* bar = static_cast<QScrollBar*>(widget);
        bar->setRange(control.minimum(), control.maximum());
        bar->setValue(control.value());
        break;
    }
    default:
        static_cast<QLabel*>(widget)->setText(control.caption());
        break;
    }
    applyCommon(binding);
    refreshing_ = wasRefreshing;
}

void WindowView::applyCommon(Binding& binding) {
    const engine::Control& control = *binding.control;
    QWidget* widget = binding.widget;
    if (control.kind() == ControlKind::StatusBar) {
        // A status bar lies along the bottom of the window, whatever its own geometry.
        const int height = widget->fontMetrics().height() + 8;
        widget->setGeometry(0, this->height() - height, this->width(), height);
    } else {
        widget->setGeometry(
            twipsRect(control.left(), control.top(), control.width(), control.height(), dpi_));
    }
    widget->setEnabled(control.enabled());
    if (control.fontSize() > 0) {
        QFont font = widget->font();
        font.setPointSizeF(control.fontSize());
        widget->setFont(font);
    }
    // Only the roles set here are the control's own; the others follow the parent.
    QPalette palette;
    const bool coloured = control.backColour() >= 0;
    if (coloured) {
        palette.setColor(QPalette::Window, colourFromBgr(control.backColour()));
        palette.setColor(QPalette::Base, colourFromBgr(control.backColour()));
    }
    if (control.foreColour() >= 0) {
        palette.setColor(QPalette::WindowText, colourFromBgr(control.foreColour()));
        palette.setColor(QPalette::Text, colourFromBgr(control.foreColour()));
    }
    widget->setAutoFillBackground(coloured);
    widget->setPalette(palette);
    widget->setVisible(control.visible());
}

void WindowView::applyText(Binding& binding) {
    const auto& box = static_cast<const engine::TextBox&>(*binding.control);
    if (auto* line = qobject_cast<QLineEdit*>(binding.widget)) {
        if (line->text() != box.text())
            line->setText(box.text());
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(binding.widget)) {
        const QString text = shownText(box.text());
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
    }
}

// The focus goes to the box once the handler that asked for it is over, with the
// selection the logic asked for by then.
void WindowView::focusLater(Binding& binding) {
    QWidget* widget = binding.widget;
    const auto* box = static_cast<const engine::TextBox*>(binding.control);
    QMetaObject::invokeMethod(
        widget,
        [widget, box] {
            widget->setFocus();
            if (auto* line = qobject_cast<QLineEdit*>(widget))
                line->setSelection(box->selectionStart(), box->selectionLength());
        },
        Qt::QueuedConnection);
}

void WindowView::showCurrentEntry(Binding& binding) {
    const auto& list = static_cast<const engine::ListBox&>(*binding.control);
    auto* view = static_cast<QListView*>(binding.widget);
    if (list.currentIndex() >= 0)
        view->scrollTo(binding.model->index(list.currentIndex()));
}

void WindowView::raiseControls(const QStringList& names) {
    for (const QString& name : names)
        if (QWidget* widget = widgetFor(name))
            widget->raise();
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    Binding* binding = byWidget_.value(watched);
    if (!binding)
        return QWidget::eventFilter(watched, event);
    engine::Control& control = *binding->control;
    const bool isList = control.kind() == ControlKind::ListBox;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (isList)
            return watched != binding->widget && listMouse(*binding, event);
        if (control.onMouseDown) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            engine::userMouseDown(window_, control, vbMouseButton(mouse->button()));
        }
        break;
    case QEvent::MouseButtonRelease: {
        // Labels and frames have no click signal of their own.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool plain = qobject_cast<QLabel*>(binding->widget) != nullptr ||
                           qobject_cast<QGroupBox*>(binding->widget) != nullptr;
        if (plain && watched == binding->widget && mouse->button() == Qt::LeftButton &&
            binding->widget->rect().contains(mouse->position().toPoint())) {
            engine::userClick(window_, control);
        }
        break;
    }
    case QEvent::KeyPress: {
        if (watched != binding->widget)
            break;
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = vbKeyCode(key->key());
        if (code != 0 && control.onKeyDown) {
            engine::userKey(window_, control, code);
        }
        if (isList)
            return listKey(*binding, key->key());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// A press over a list: its mouse-down event with the button, then for the left button a
// click on the entry under the mouse. The view's own selection is never used.
bool WindowView::listMouse(Binding& binding, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* view = static_cast<QListView*>(binding.widget);
    const int position = view->indexAt(mouse->position().toPoint()).row();
    const int button = vbMouseButton(mouse->button());
    engine::userMouseDown(window_, *binding.control, button, position);
    if (button == 1 && position >= 0)
        engine::userClick(window_, *binding.control, position);
    view->setFocus();
    return true;
}

// The arrow and paging keys move the current entry of a single-selection list, and
// that is a click on the new entry; a multi-selection list keeps its marks.
bool WindowView::listKey(Binding& binding, int qtKey) {
    auto& list = static_cast<engine::ListBox&>(*binding.control);
    auto* view = static_cast<QListView*>(binding.widget);
    const int page = std::max(view->viewport()->height() / std::max(view->sizeHintForRow(0), 1), 1);
    int target = list.currentIndex();
    switch (qtKey) {
    case Qt::Key_Up:
        target -= 1;
        break;
    case Qt::Key_Down:
        target += 1;
        break;
    case Qt::Key_PageUp:
        target -= page;
        break;
    case Qt::Key_PageDown:
        target += page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = list.count() - 1;
        break;
    default:
        return false;
    }
    target = std::clamp(target, 0, std::max(list.count() - 1, 0));
    if (list.multiSelect() || list.count() == 0 || target == list.currentIndex())
        return true;
    engine::userClick(window_, list, target);
    return true;
}

} // namespace sylvane::ui
