// The dialog of values from file names: the names it lists, its preview and when it may set.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "table/NameFillDialog.h"

namespace {

QString Cell(QTableWidget& table, int nRow, int nColumn) {
    const QTableWidgetItem* pItem = table.item(nRow, nColumn);
    return pItem ? pItem->text() : QString();
}

TEST(TableNameFillDialogTest, ThePreviewShowsTheValuesOfTheFirstNames) {
    QStringList names;
    for (int i = 1; i <= 12; ++i) {
        names << QStringLiteral("Ann_%1.wav").arg(i);
    }
    names[1] = QStringLiteral("nounderscore.wav");
    NameFillDialog dialog(names, QStringLiteral("the 12 files shown"));
    EXPECT_FALSE(dialog.Names().findItems(QStringLiteral("IXML:TAKE"), Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(
        dialog.Names().findItems(QStringLiteral("Originator"), Qt::MatchExactly).isEmpty());
    QPushButton& set = *dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const struct {
        const char* pattern;
        bool bSets;
        int nColumns;
        const char* firstRow[3];
        const char* secondRow[3];
    } rows[] = {
        {"", false, 1, {"Ann_1.wav"}, {"nounderscore.wav"}},
        {"(?<Originator>[^_]+)_(?<IXML:TAKE>\\d+)",
         true,
         3,
         {"Ann_1.wav", "Ann", "1"},
         {"nounderscore.wav", "does not match", ""}},
        {"(?<Nothing>.+)", false, 1, {"Ann_1.wav"}, {"nounderscore.wav"}},
        {"(?<Originator>[", false, 1, {"Ann_1.wav"}, {"nounderscore.wav"}},
    };
    for (const auto& row : rows) {
        dialog.Pattern().setText(row.pattern);
        QTableWidget& preview = dialog.Preview();
        EXPECT_EQ(set.isEnabled(), row.bSets) << row.pattern;
        EXPECT_EQ(preview.rowCount(), 8) << row.pattern;
        ASSERT_EQ(preview.columnCount(), row.nColumns) << row.pattern;
        for (int nColumn = 0; nColumn < row.nColumns; ++nColumn) {
            EXPECT_EQ(Cell(preview, 0, nColumn), row.firstRow[nColumn]) << row.pattern;
            EXPECT_EQ(Cell(preview, 1, nColumn), row.secondRow[nColumn]) << row.pattern;
        }
    }
}

}  // namespace
