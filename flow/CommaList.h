// The comma-list loader: fills a drop-down list from one text whose items are
// separated by ", " (comma, space).
//
// Spaces (U+0020 only) around an item are dropped; an empty or blank piece
// gives no item; a comma not followed by a space belongs to the item. It
// appends in order and does not clear the list or change its selection; the
// callers do that.
#pragma once

#include <QString>

#include <functional>

namespace toolkit {
class ComboBox;
}

namespace flow {

// Calls addItem for each item of the text, in order; returns the number of
// passes the loader made over the text (one per piece, and one more).
int forEachCommaListItem(QString text, const std::function<void(const QString &)> &addItem);

void LoadCommaList(toolkit::ComboBox &list, const QString &text);

} // namespace flow
