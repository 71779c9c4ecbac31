#include "framework/controls/text_field.h"

#include "framework/controls/widget_style.h"
#include "framework/core/key_text.h"
#include "framework/core/text_model.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <limits>
#include <utility>

namespace rt {

namespace {

// The character limit holds for what the user types or pastes, not for the program's own texts
// (QLineEdit's maxLength would cut those too); a longer text can still be shortened.
class TypingLimit : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    void SetLimit(qsizetype limit) { limit_ = limit; }
    void SetProgrammatic(bool programmatic) { programmatic_ = programmatic; }
    State validate(QString& input, int&) const override {
        if (!programmatic_ && input.size() > limit_ && input.size() > accepted_)
            return Invalid;
        accepted_ = input.size();
        return Acceptable;
    }

private:
    qsizetype limit_ = std::numeric_limits<qsizetype>::max();
    mutable qsizetype accepted_ = 0;
    bool programmatic_ = false;
};

// The widget outlives its control until its deferred deletion runs: it holds the control weakly.
class LineEdit : public QLineEdit {
    Q_OBJECT

public:
    LineEdit(QWidget* parent, std::weak_ptr<TextField> owner)
        : QLineEdit(parent), owner_(std::move(owner)), limit_(this) {
        setValidator(&limit_);
    }
    void SetLimit(qsizetype limit) { limit_.SetLimit(limit); }
    void SetWholeText(const QString& text) {
        limit_.SetProgrammatic(true);
        setText(text);
        limit_.SetProgrammatic(false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (OfferKey(*event)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    bool event(QEvent* e) override {
        // Tab moves the focus before keyPressEvent would see it: offer it to KeyDown here.
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && OfferKey(*key))
                return true;
        }
        return QLineEdit::event(e);
    }

private:
    // True when the control's KeyDown keeps the key out of the field.
    bool OfferKey(const QKeyEvent& event) {
        const auto owner = owner_.lock();
        const auto key = KeyText(event);
        return owner && key && owner->RaiseEvent("KeyDown", {*key});
    }

    std::weak_ptr<TextField> owner_;
    TypingLimit limit_;
};

LineEdit& Edit(QWidget& w) {
    return static_cast<LineEdit&>(w);
}

} // namespace

QWidget* TextField::CreateWidget(QWidget* parent) {
    return new LineEdit(parent, std::static_pointer_cast<TextField>(shared_from_this()));
}

std::string TextField::Text() const {
    return FromQt(Edit(RequireWidget()).text());
}

void TextField::SetText(const std::string& text) {
    Edit(RequireWidget()).SetWholeText(ToQt(text));
}

bool TextField::ApplyProperty(const std::string& name, const Value& value) {
    LineEdit& e = Edit(RequireWidget());
    if (name == "Value" || name == "Text") {
        e.SetWholeText(ToQt(AsText(value)));
    } else if (name == "MaximumCharactersAllowed") {
        const auto max = AsInteger(value);
        e.SetLimit(max > 0 ? max : std::numeric_limits<qsizetype>::max());
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

#include "text_field.moc"
