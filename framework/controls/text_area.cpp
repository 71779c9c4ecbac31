#include "framework/controls/text_area.h"

#include "framework/controls/widget_style.h"
#include "framework/core/text_model.h"

#include <QApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

namespace rt {

namespace {

// Other programs take the richest format a copy offers: a spreadsheet reads styled text as one
// cell per line, so an area without styled text offers plain text alone (copy, cut and drag).
class PlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;
    void AllowStyledText(bool allow) { styled_ = allow; }

protected:
    QMimeData* createMimeDataFromSelection() const override {
        if (styled_)
            return QPlainTextEdit::createMimeDataFromSelection();
        auto* data = new QMimeData;
        // The fragment's plain text has a line feed between paragraphs and for a line break.
        data->setText(textCursor().selection().toPlainText());
        return data;
    }

private:
    bool styled_ = true;
};

PlainTextEdit& Edit(QWidget& w) {
    return static_cast<PlainTextEdit&>(w);
}

void SetDocumentAlignment(QPlainTextEdit& e, Qt::Alignment alignment) {
    QTextOption option = e.document()->defaultTextOption();
    option.setAlignment(alignment);
    e.document()->setDefaultTextOption(option);
}

// The area draws its selection in the inactive colours while it lacks the focus: hidden, they are
// its own background and text colours, so follow those whenever they change.
void ShowSelectionUnfocused(QPlainTextEdit& e, bool show) {
    QPalette palette = e.palette();
    const QPalette standard = QApplication::palette(&e);
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     show ? standard.brush(QPalette::Inactive, QPalette::Highlight)
                          : palette.brush(QPalette::Active, QPalette::Base));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     show ? standard.brush(QPalette::Inactive, QPalette::HighlightedText)
                          : palette.brush(QPalette::Active, QPalette::Text));
    e.setPalette(palette);
}

} // namespace

QWidget* TextArea::CreateWidget(QWidget* parent) {
    auto* edit = new PlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    return edit;
}

std::string TextArea::Text() const {
    return FromQt(Edit(RequireWidget()).toPlainText());
}

void TextArea::SetText(const std::string& text) {
    Edit(RequireWidget()).setPlainText(ToQt(text));
}

std::shared_ptr<StyledText> TextArea::StyledText() {
    RequireWidget();
    return std::make_shared<rt::StyledText>(std::static_pointer_cast<TextArea>(shared_from_this()));
}

void TextArea::WindowOpened() {
    RaiseEvent("Open");
}

bool TextArea::ApplyProperty(const std::string& name, const Value& value) {
    PlainTextEdit& e = Edit(RequireWidget());
    if (name == "Value" || name == "Text") {
        e.setPlainText(ToQt(AsText(value)));
    } else if (name == "ReadOnly") {
        e.setReadOnly(AsBool(value));
    } else if (name == "AllowTabs") {
        e.setTabChangesFocus(!AsBool(value));
    } else if (name == "Multiline") {
        e.setLineWrapMode(AsBool(value) ? e.lineWrapMode() : QPlainTextEdit::NoWrap);
    } else if (name == "HasVerticalScrollbar") {
        e.setVerticalScrollBarPolicy(AsBool(value) ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
    } else if (name == "HasHorizontalScrollbar") {
        // Without a horizontal scroll bar long lines wrap at the area's width.
        const bool bar = AsBool(value);
        e.setHorizontalScrollBarPolicy(bar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        e.setLineWrapMode(bar ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    } else if (name == "TextAlignment") {
        SetDocumentAlignment(e, HorizontalAlignment(value));
    } else if (name == "BackgroundColor" || name == "TextColor") {
        SetPaletteColor(e, name == "TextColor" ? QPalette::Text : QPalette::Base, value);
        ShowSelectionUnfocused(e, !hideSelection_);
    } else if (name == "HideSelection") {
        hideSelection_ = AsBool(value);
        ShowSelectionUnfocused(e, !hideSelection_);
    } else if (name == "HasBorder") {
        e.setFrameShape(AsBool(value) ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (name == "AllowFocusRing") {
        e.setAttribute(Qt::WA_MacShowFocusRect, AsBool(value));
    } else if (name == "AllowStyledText") {
        e.AllowStyledText(AsBool(value));
    } else if (ApplyFontProperty(e, name, value)) {
        return true;
    } else if (name != "LineHeight" && name != "LineSpacing" && name != "AllowSpellChecking" &&
               name != "Format" && name != "ValidationMask" && name != "MaximumCharactersAllowed") {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

namespace {
QTextCursor RangeOf(const std::weak_ptr<TextArea>& area, std::int64_t start, std::int64_t length) {
    const auto held = area.lock();
    QWidget* widget = held ? held->Widget() : nullptr;
    if (widget == nullptr)
        throw NilObjectException("The text area of this styled text is gone.");
    QTextCursor cursor(static_cast<QPlainTextEdit*>(widget)->document());
    const int end = cursor.document()->characterCount() - 1;
    cursor.setPosition(static_cast<int>(std::clamp<std::int64_t>(start, 0, end)));
    cursor.setPosition(static_cast<int>(std::clamp<std::int64_t>(start + length, 0, end)),
                       QTextCursor::KeepAnchor);
    return cursor;
}
} // namespace

void StyledText::Bold(std::int64_t start, std::int64_t length, bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    RangeOf(area_, start, length).mergeCharFormat(format);
}

bool StyledText::IsBold(std::int64_t position) const {
    return RangeOf(area_, position, 1).charFormat().fontWeight() >= QFont::Bold;
}

} // namespace rt

#include "text_area.moc"
