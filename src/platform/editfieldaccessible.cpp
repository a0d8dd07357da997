// Corvanthelix - the name field as assistive technology sees it.
//
// Qt's own line edit accessibility, in 6.4 and still in 6.8, spins for ever
// when a screen reader asks for the word at the end of the text, as Orca
// does when the player moves by word, or at an offset before the start: the
// game stops answering and an unentered score is lost. Every Qt the game
// builds with needs this one, which answers every text question itself, at
// once.
#include "platform/editfieldaccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace {

class EditFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface
{
public:
    explicit EditFieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
        , m_length(int(field->text().size()))
    {
        // Gone with the field, as the interface is.
        QObject::connect(field, &QLineEdit::textChanged, field, [this](const QString &text) { m_length = int(text.size()); });
    }

    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? field()->text() : QAccessibleWidget::text(type);
    }

    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value && !field()->isReadOnly())
            field()->setText(text);
        else
            QAccessibleWidget::setText(type, text);
    }

    // QAccessibleTextInterface
    void selection(int, int *start, int *end) const override
    {
        *start = field()->hasSelectedText() ? field()->selectionStart() : 0;
        *end = field()->hasSelectedText() ? field()->selectionEnd() : 0;
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        start = within(start);
        field()->setSelection(start, within(end) - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(within(position)); }
    // A range that is reversed or reaches outside the text is refused with nothing.
    QString text(int start, int end) const override { return isRange(start, end) ? field()->text().mid(start, end - start) : QString(); }
    int characterCount() const override { return int(field()->text().size()); }
    // Where the character stands while the text fits the field, as a name does.
    // Qt's AT-SPI bridge answers "the extent of a range" by asking this for
    // every offset in it, however far past the text the range reaches (6.4,
    // and still today): a range to 2^31 is two billion calls, which nothing
    // on this side of the bridge can cut short. Past the text each call only compares a number,
    // so such a question costs some 15 seconds on Qt 6.4 rather than the
    // minutes of measuring every offset; a range the text can hold, at once.
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset > m_length)
            return {};
        const QString text = field()->text();
        const QFontMetrics metrics(field()->font());
        const QRect inside = field()->contentsRect().marginsRemoved(field()->textMargins());
        const int x = inside.left() + metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
        return QRect(field()->mapToGlobal(QPoint(x, inside.top())), QSize(width, inside.height()));
    }
    int offsetAtPoint(const QPoint &point) const override { return field()->cursorPositionAt(field()->mapFromGlobal(point)); }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }

    // No formatting: one range over the whole text, never an empty one,
    // which would leave a screen reader reading the text cut short.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        piece(offset, type, start, end);
        return text(*start, *end);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        piece(offset, type, start, end);
        if (*start == 0) {
            *end = 0;
            return {};
        }
        piece(*start - 1, type, start, end);
        return text(*start, *end);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        piece(offset, type, start, end);
        if (*end >= characterCount()) {
            *start = *end = characterCount();
            return {};
        }
        piece(*end, type, start, end);
        return text(*start, *end);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!field()->isReadOnly() && isRange(start, end))
            field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    int m_length; // of the text, kept as it changes: characterRect reads it two billion times
    bool isRange(int start, int end) const { return start >= 0 && start <= end && end <= characterCount(); }
    int within(int offset) const { return qBound(0, offset, characterCount()); }

    // The character, word, sentence or line around the offset; the end of
    // the text counts as part of its last word or sentence. Every
    // step moves on or stops, so this always ends.
    void piece(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const
    {
        const QString text = field()->text();
        const int length = int(text.size());
        offset = qBound(0, offset, length);
        if (type != QAccessible::CharBoundary && type != QAccessible::WordBoundary && type != QAccessible::SentenceBoundary) {
            *start = 0; // one line, one paragraph
            *end = length;
            return;
        }
        if (length == 0 || (type == QAccessible::CharBoundary && offset == length)) {
            *start = *end = offset; // no character after the last
            return;
        }
        // A character is what the player sees as one: a letter with its
        // accents, an emoji whole.
        QTextBoundaryFinder finder(type == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                                   : type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                       : QTextBoundaryFinder::Sentence,
                                   text);
        finder.setPosition(std::min(offset, length - 1) + 1);
        *start = std::max<qsizetype>(finder.toPreviousBoundary(), 0);
        finder.setPosition(*start);
        const qsizetype next = finder.toNextBoundary();
        *end = next < 0 ? length : int(next);
    }
};

QAccessibleInterface *editFieldFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLineEdit") && object->isWidgetType())
        return new EditFieldAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

void InstallEditFieldAccessibility()
{
    static const bool installed = (QAccessible::installFactory(editFieldFactory), true);
    Q_UNUSED(installed);
}
