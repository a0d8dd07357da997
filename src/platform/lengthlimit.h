// Corvanthelix - a limit on how long an edit field's text may grow.
#pragma once

#include <QValidator>

// Takes any text of at most `limit` characters. An edit that would make it
// longer, a paste or a key typed at the limit, is refused whole rather than
// cut short, and reported with the length it would have made, so that the
// player can be told. (An edit field cuts silently at its own maximum length,
// which this limit stays below.)
class LengthLimit : public QValidator
{
    Q_OBJECT
public:
    LengthLimit(int limit, QObject *parent) : QValidator(parent), m_limit(limit) {}

    int limit() const { return m_limit; }
    State validate(QString &text, int &position) const override;

signals:
    void refused(int length) const;

private:
    int m_limit;
};
