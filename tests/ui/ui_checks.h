// What the window tests share: texts by id, clicks, tree rows, double clicks.
#pragma once

#include <QTest>
#include <QtWidgets>
#include <initializer_list>

#include "support/gui_fixture.h"

namespace tarnik::testing {

// The text control `id` shows (a group's title).
inline QString TextOf(const QWidget& parent, int id) {
  const QString name = QStringLiteral("id%1").arg(id);
  if (auto* b = parent.findChild<QAbstractButton*>(name)) return b->text();
  if (auto* l = parent.findChild<QLabel*>(name)) return l->text();
  if (auto* e = parent.findChild<QLineEdit*>(name)) return e->text();
  if (auto* g = parent.findChild<QGroupBox*>(name)) return g->title();
  ADD_FAILURE() << "no control id" << id;
  return {};
}

// A quoted text: of control id > 0, the window title (0), any label (-1).
struct TextRow {
  int id;
  const char* text;
};

inline void ExpectTexts(const QWidget& window, std::initializer_list<TextRow> rows) {
  QStringList labels;
  for (const QLabel* l : window.findChildren<QLabel*>()) labels << l->text();
  for (const TextRow& r : rows) {
    if (r.id == 0)
      EXPECT_EQ(window.windowTitle(), r.text);
    else if (r.id < 0)
      EXPECT_TRUE(labels.contains(r.text)) << r.text;
    else
      EXPECT_EQ(TextOf(window, r.id), r.text) << "id" << r.id;
  }
}

// The window's action with this text, or null.
inline QAction* ActionNamed(const QWidget& window, const QString& text) {
  for (QAction* a : window.findChildren<QAction*>())
    if (a->text() == text) return a;
  return nullptr;
}

// Clicks the button of that id.
inline void Click(const QWidget& window, int id) {
  if (auto* b = Control<QAbstractButton>(window, id)) b->click();
}

// The rows of a tree, its header first, each as its cells joined by ','.
inline QStringList TreeRows(const QTreeWidget& tree) {
  QStringList rows;
  for (int r = -1; r < tree.topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = r < 0 ? tree.headerItem() : tree.topLevelItem(r);
    QStringList cells;
    for (int c = 0; c < tree.columnCount(); ++c) cells << item->text(c);
    rows << cells.join(',');
  }
  return rows;
}

// A click and then a double click on entry `row` of a list or tree.
inline void DoubleClick(QAbstractItemView* view, int row) {
  const QPoint middle = view->visualRect(view->model()->index(row, 0)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, middle);
}

}  // namespace tarnik::testing
