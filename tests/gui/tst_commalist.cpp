// The comma-list loader: what becomes an item, in what order, in how many passes.
#include "TestRun.h"
#include "flow/CommaList.h"
#include "installer/form_001.h"
#include "toolkit/Controls.h"

#include <QtTest>

class CommaListTest : public QObject {
    Q_OBJECT

private slots:
    void items_data();
    void items();
    void languageList();
    void appendsWithoutClearingOrSelecting();
};

void CommaListTest::items_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("passes");

    QTest::newRow("empty text") << QString() << QStringList() << 2;
    QTest::newRow("separator alone") << QStringLiteral(", ") << QStringList() << 2;
    QTest::newRow("one character") << QStringLiteral("a") << QStringList{"a"} << 2;
    QTest::newRow("without final separator") << QStringLiteral("a, b") << QStringList{"a", "b"} << 3;
    QTest::newRow("with final separator") << QStringLiteral("a, b, ") << QStringList{"a", "b"} << 3;
    QTest::newRow("two separators in a row") << QStringLiteral("a, , b") << QStringList{"a", "b"} << 4;
    QTest::newRow("piece of spaces") << QStringLiteral("a,    , b") << QStringList{"a", "b"} << 4;
    QTest::newRow("trailing space before separator")
        << QStringLiteral("Mongolian, Nahuatl , Navajo") << QStringList{"Mongolian", "Nahuatl", "Navajo"} << 4;
    QTest::newRow("comma without space stays") << QStringLiteral("a,b, c") << QStringList{"a,b", "c"} << 3;
    QTest::newRow("comma before separator stays") << QStringLiteral("a,, b") << QStringList{"a,", "b"} << 3;
    QTest::newRow("tabs and inner spaces stay")
        << QStringLiteral("\tTok Pisin\t, Inuit/Inupiaq") << QStringList{"\tTok Pisin\t", "Inuit/Inupiaq"} << 3;
    QTest::newRow("letters outside ASCII") << QStringLiteral("\u00C9w\u00E9, K\u2019iche\u2019")
                                           << QStringList{QStringLiteral("\u00C9w\u00E9"), QStringLiteral("K\u2019iche\u2019")}
                                           << 3;
    QTest::newRow("partition list")
        << QStringLiteral("Install on main hard drive replacing all partations 2728GB, Install in partation 1 "
                          "replacing old o.s. 682GB, Install in partation 2 682GB, Install in partation 3 682GB, "
                          "Install in partation 4 341GB, Install in partation 5 341GB, ")
        << QStringList{"Install on main hard drive replacing all partations 2728GB",
                       "Install in partation 1 replacing old o.s. 682GB", "Install in partation 2 682GB",
                       "Install in partation 3 682GB", "Install in partation 4 341GB", "Install in partation 5 341GB"}
        << 7;
}

void CommaListTest::items()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(int, passes);

    QStringList items;
    const int made = flow::forEachCommaListItem(text, [&](const QString &item) { items << item; });
    QCOMPARE(items, expected);
    QCOMPARE(made, passes);
}

void CommaListTest::languageList()
{
    QStringList items;
    const int passes = flow::forEachCommaListItem(installer::form_001::languageListText(),
                                                  [&](const QString &item) { items << item; });
    QCOMPARE(passes, 150);
    QCOMPARE(items.size(), 149);
    const QList<QPair<int, QString>> landmarks{{0, "Afrikaans"},     {36, "Dutch"},     {37, "English (UK)"},
                                               {38, "English (US)"}, {148, "Zulu"}};
    for (const auto &[index, item] : landmarks)
        QCOMPARE(items[index], item);
    for (const QString &item : {QStringLiteral("Nahuatl"), QStringLiteral("\u00C9w\u00E9"),
                                QStringLiteral("K\u2019iche\u2019"), QStringLiteral("Tok Pisin")})
        QVERIFY2(items.contains(item), qPrintable(item));
}

void CommaListTest::appendsWithoutClearingOrSelecting()
{
    QWidget parent;
    toolkit::ComboBox list(&parent, {0, 0, 1500, 315});
    list.AddItem(QStringLiteral("first"));
    list.setListIndex(0);
    flow::LoadCommaList(list, QStringLiteral("second, third"));
    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(list.itemText(2), QStringLiteral("third"));
    QCOMPARE(list.ListIndex(), 0);
}

ZELOR_TEST_MAIN(CommaListTest)
#include "tst_commalist.moc"
