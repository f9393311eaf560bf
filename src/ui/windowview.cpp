#include "ui/windowview.h"

#include "engine/listbox.h"
#include "engine/userinput.h"
#include "ui/listboxview.h"
#include "ui/mnemonics.h"
#include "ui/twips.h"
#include "ui/vbinput.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>

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

Elasticity elasticityOf(const engine::Control& control) {
    switch (control.kind()) {
    case ControlKind::ListBox:
        return Elasticity::Stretch;
    case ControlKind::TextBox:
        return static_cast<const engine::TextBox&>(control).multiLine() ? Elasticity::Stretch
                                                                        : Elasticity::StretchWidth;
    case ControlKind::ScrollBar:
        return static_cast<const engine::ScrollBar&>(control).stepper() ? Elasticity::Fixed
                                                                        : Elasticity::StretchWidth;
    case ControlKind::Label:
        return Elasticity::StretchWidth;
    default:
        return Elasticity::Fixed;
    }
}

// The twips under the lowest control that the status bar's strip takes in the design.
constexpr int StatusStripMargin = 100;

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
        if (control->kind() != ControlKind::ListBox)
            binding->widget->installEventFilter(this);
        byWidget_.insert(binding->widget, binding.get());
        byControl_.insert(control, binding.get());
        connectSignals(*binding);
        bindings_.push_back(std::move(binding));
    }
    // Containers exist once every widget does: place the contained ones inside them.
    for (const auto& binding : bindings_)
        if (engine::Control* container = binding->control->container())
            if (Binding* holder = byControl_.value(container))
                binding->widget->setParent(holder->widget);
    connect(&window_, &engine::Control::changed, this, [this] { fitToWindow(); });
    fitToWindow();
    for (const auto& binding : bindings_)
        apply(*binding);
}

WindowView::~WindowView() = default;

QWidget* WindowView::widgetOf(const engine::Control& control) const {
    const Binding* binding = byControl_.value(&control);
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
            box->setTabChangesFocus(true); // Tab moves on, as everywhere in the window
            return box;
        }
        return new QLineEdit(this);
    case ControlKind::ListBox:
        return new ListBoxView(window_, static_cast<engine::ListBox&>(control), this);
    case ControlKind::Frame:
        return new QGroupBox(this);
    case ControlKind::ScrollBar:
        if (static_cast<engine::ScrollBar&>(control).stepper())
            return new QSpinBox(this);
        return new QScrollBar(Qt::Horizontal, this);
    case ControlKind::StatusBar: {
        auto* bar = new QLabel(this);
        bar->setIndent(4);
        bar->setMinimumHeight(bar->fontMetrics().height() + 4); // also while it is empty
        statusBar_ = bar;
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
    } else if (binding.control->kind() == ControlKind::ScrollBar) {
        // A scroll bar, or a spin box for a few values taken one at a time.
        const auto scrolled = [this, b](int value) {
            if (!refreshing_)
                afterUserEvent(*b, engine::userScroll(window_, *b->control, value));
        };
        if (auto* bar = qobject_cast<QScrollBar*>(binding.widget))
            connect(bar, &QScrollBar::valueChanged, this, scrolled);
        else if (auto* spin = qobject_cast<QSpinBox*>(binding.widget))
            connect(spin, &QSpinBox::valueChanged, this, scrolled);
    }
}

// After a user's action: a refused one (a disabled control, a busy window) leaves the
// model as it was, so the widget, which has already changed, shows the model again.
void WindowView::afterUserEvent(Binding& binding, bool accepted) {
    if (!accepted)
        apply(binding);
}

// The design follows the window's model; the client area starts at that size, and the
// window's host may then make it larger or smaller.
void WindowView::fitToWindow() {
    int height = window_.height();
    if (statusBar_) {
        int bottom = 0;
        for (const auto& binding : bindings_) {
            const engine::Control& control = *binding->control;
            if (!control.container() && control.kind() != ControlKind::StatusBar)
                bottom = std::max(bottom, control.top() + control.height());
        }
        height = std::min(height, bottom + StatusStripMargin);
    }
    const QSize designed = twipsRect(0, 0, window_.width(), height, dpi_).size();
    if (designed == designed_ || designed.isEmpty())
        return;
    designed_ = designed;
    resize(designed_);
    layout_ = ElasticLayout(designed_, size(), heightBands());
}

std::vector<HeightBand> WindowView::heightBands() const {
    std::vector<HeightBand> bands;
    for (const engine::Window::HeightBand& band : window_.heightBands())
        bands.push_back({twipsToPixels(band.top, dpi_), band.grow, band.shrink});
    return bands;
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_ = ElasticLayout(designed_, size(), heightBands());
    for (const auto& binding : bindings_)
        place(*binding);
}

void WindowView::controlChanged(Binding& binding, engine::ControlChange what) {
    if (what == engine::ControlChange::Look) {
        apply(binding);
        // Adjusted places depend on other controls' places and visibility.
        for (const auto& other : bindings_)
            if (other->adjust && other.get() != &binding)
                place(*other);
    } else if (what == engine::ControlChange::Focus)
        focusLater(binding);
    // Lists repaint their own rows and cursor.
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
        const auto show = [&control](auto* stepper) {
            stepper->setRange(control.minimum(), control.maximum());
            stepper->setValue(control.value());
        };
        if (auto* spin = qobject_cast<QSpinBox*>(widget))
            show(spin);
        else
            show(static_cast<QScrollBar*>(widget));
        break;
    }
    default:
        if (binding.mnemonic.isNull()) {
            static_cast<QLabel*>(widget)->setText(control.caption());
        } else {
            const QString caption = control.caption();
            static_cast<QLabel*>(widget)->setText(
                underlinedAt(caption, mnemonicPosition(caption, binding.mnemonic)));
        }
        break;
    }
    applyCommon(binding);
    refreshing_ = wasRefreshing;
}

void WindowView::applyCommon(Binding& binding) {
    const engine::Control& control = *binding.control;
    QWidget* widget = binding.widget;
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
    place(binding);
    widget->setVisible(control.visible());
    // A container's controls follow it.
    for (const auto& other : bindings_)
        if (other->control->container() == &control)
            place(*other);
}

QRect WindowView::designedRect(const engine::Control& control) const {
    return twipsRect(control.left(), control.top(), control.width(), control.height(), dpi_);
}

QRect WindowView::laidOut(const Binding& binding) const {
    const engine::Control& control = *binding.control;
    const QSize needed = binding.widget->sizeHint();
    if (const engine::Control* container = control.container())
        if (const Binding* holder = byControl_.value(container))
            return layout_.inside(designedRect(*container), placed(*holder))
                .place(designedRect(control), elasticityOf(control), needed);
    return layout_.place(designedRect(control), elasticityOf(control), needed);
}

QRect WindowView::placed(const Binding& binding) const {
    const QRect rect = laidOut(binding);
    return binding.adjust ? binding.adjust(rect) : rect;
}

QRect WindowView::layoutPlace(const engine::Control& control) const {
    const Binding* binding = byControl_.value(&control);
    return binding ? laidOut(*binding) : QRect();
}

void WindowView::place(Binding& binding) {
    if (binding.widget != statusBar_)
        binding.widget->setGeometry(placed(binding));
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

void WindowView::raiseControls(std::initializer_list<const engine::Control*> controls) {
    for (const engine::Control* control : controls)
        if (QWidget* widget = widgetOf(*control))
            widget->raise();
}

void WindowView::setMnemonic(const engine::Control& label, QChar letter,
                             const engine::Control& target) {
    Binding* binding = byControl_.value(&label);
    QWidget* focused = widgetOf(target);
    if (!binding || !focused || !qobject_cast<QLabel*>(binding->widget))
        return;
    binding->mnemonic = letter;
    static_cast<QLabel*>(binding->widget)->setTextFormat(Qt::RichText);
    apply(*binding);
    auto* shortcut = new QShortcut(
        QKeySequence(Qt::ALT | static_cast<Qt::Key>(letter.toUpper().unicode())), this);
    connect(shortcut, &QShortcut::activated, focused,
            [focused] { focused->setFocus(Qt::ShortcutFocusReason); });
}

void WindowView::adjustPlace(const engine::Control& control,
                             std::function<QRect(const QRect& placed)> adjust) {
    Binding* binding = byControl_.value(&control);
    if (!binding)
        return;
    binding->adjust = std::move(adjust);
    place(*binding);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    Binding* binding = byWidget_.value(watched);
    if (!binding)
        return QWidget::eventFilter(watched, event);
    engine::Control& control = *binding->control;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
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
        if (plain && mouse->button() == Qt::LeftButton &&
            binding->widget->rect().contains(mouse->position().toPoint()))
            engine::userClick(window_, control);
        break;
    }
    case QEvent::KeyPress: {
        const int code = vbKeyCode(static_cast<QKeyEvent*>(event)->key());
        if (code != 0 && control.onKeyDown)
            engine::userKey(window_, control, code);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sylvane::ui
