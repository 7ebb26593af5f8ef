#include "CommaList.h"

#include "toolkit/Controls.h"

namespace flow {

namespace {

const QString Separator = QStringLiteral(", ");

QString trimSpaces(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

int forEachCommaListItem(QString text, const std::function<void(const QString &)> &addItem)
{
    if (!text.endsWith(Separator))
        text += Separator;
    int passes = 0;
    while (!text.isEmpty()) {
        ++passes;
        // The search runs over the text followed by one more separator, so it
        // always finds one: past the end when the text holds none.
        const qsizetype found = text.indexOf(Separator);
        const qsizetype commaPosition = (found >= 0 ? found : text.size()) + 1; // 1-based
        const QString head = text.left(commaPosition);
        text.remove(0, head.size());
        const QString item = trimSpaces(head.chopped(1));
        if (!item.isEmpty())
            addItem(item);
    }
    return passes;
}

void LoadCommaList(toolkit::ComboBox &list, const QString &text)
{
    forEachCommaListItem(text, [&list](const QString &item) { list.AddItem(item); });
}

} // namespace flow
