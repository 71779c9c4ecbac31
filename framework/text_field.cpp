#include "framework/text_field.h"

#include "framework/key_text.h"
#include "framework/text_model.h"
#include "framework/widget_style.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace rt {

namespace {

class LineEdit : public QLineEdit {
public:
    LineEdit(QWidget* parent, TextField& owner) : QLineEdit(parent), owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (const auto key = KeyText(*event); key && owner_.RaiseEvent("KeyDown", {*key})) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    bool event(QEvent* e) override {
        // Tab moves the focus before keyPressEvent would see it: offer it to KeyDown here.
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                if (const auto text = KeyText(*key); text && owner_.RaiseEvent("KeyDown", {*text}))
                    return true;
            }
        }
        return QLineEdit::event(e);
    }

private:
    TextField& owner_;
};

QLineEdit& Edit(QWidget& w) {
    return static_cast<QLineEdit&>(w);
}

} // namespace

QWidget* TextField::CreateWidget(QWidget* parent) {
    return new LineEdit(parent, *this);
}

std::string TextField::Text() const {
    return FromQt(Edit(RequireWidget()).text());
}

void TextField::SetText(const std::string& text) {
    Edit(RequireWidget()).setText(ToQt(text));
}

bool TextField::ApplyProperty(const std::string& name, const Value& value) {
    QLineEdit& e = Edit(RequireWidget());
    if (name == "Value" || name == "Text") {
        e.setText(ToQt(AsText(value)));
    } else if (name == "MaximumCharactersAllowed") {
        const auto max = AsInteger(value);
        e.setMaxLength(max > 0 ? static_cast<int>(max) : 32767);
    } else if (name == "ReadOnly") {
        e.setReadOnly(AsBool(value));
    } else if (name == "Password") {
        e.setEchoMode(AsBool(value) ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "TextAlignment") {
        e.setAlignment(HorizontalAlignment(value) | Qt::AlignVCenter);
    } else if (name == "BackgroundColor") {
        SetPaletteColor(e, QPalette::Base, value);
    } else if (name == "TextColor") {
        SetPaletteColor(e, QPalette::Text, value);
    } else if (name == "HasBorder") {
        e.setFrame(AsBool(value));
    } else if (name == "Hint") {
        e.setPlaceholderText(ToQt(AsText(value)));
    } else if (name == "AllowFocusRing") {
        e.setAttribute(Qt::WA_MacShowFocusRect, AsBool(value));
    } else if (ApplyFontProperty(e, name, value)) {
        return true;
    } else if (name != "AllowTabs" && name != "AllowSpellChecking" && name != "Format" &&
               name != "ValidationMask") {
        // A field never takes a tab character: Tab moves on to the next control.
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

} // namespace rt
