#include "ui/table/table_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>
#include <map>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/shell/pile_description.h"

namespace tarnik {

namespace {

Game* tableGame = nullptr;
QWidget* tableWidget = nullptr;

int32_t PileCount() { return tableGame ? CountPiles(tableGame->PileTable) : 0; }

int32_t FocusIndex() {
  if (!tableGame || !tableGame->FocusShown) return -1;
  const int32_t i = tableGame->FocusPile;
  return i >= 0 && i < PileCount() ? i : -1;
}

// One pile of the table, known by its place in table order.
class PileAccessible : public QAccessibleInterface {
 public:
  explicit PileAccessible(int32_t index) : index_(index) {}
  bool isValid() const override { return tableWidget != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return tableWidget->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(tableWidget);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (index_ >= PileCount()) return {};
    if (t == QAccessible::Name) return QString::fromStdString(PileName(index_));
    if (t == QAccessible::Description || t == QAccessible::Value)
      return QString::fromStdString(DescribePile(*tableGame, index_));
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (index_ >= PileCount()) return {};
    const Pile& p = tableGame->PileTable[index_];
    return QRect(tableWidget->mapToGlobal(QPoint(p.Left, p.Top)), QSize(p.Width, p.Height));
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.focused = FocusIndex() == index_;
    s.invisible = index_ >= PileCount();
    return s;
  }

 private:
  int32_t index_;
};

// The table: the piles in use are its children.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Pane) {}
  int childCount() const override { return PileCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= PileCount()) return nullptr;
    return Pile(index);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < PileCount(); ++i)
      if (Pile(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const int32_t i = FocusIndex();
    return i < 0 ? nullptr : Pile(i);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("Card table");
    return QAccessibleWidget::text(t);
  }

 private:
  // Each pile's interface is made once and kept by Qt's registry.
  static QAccessibleInterface* Pile(int32_t index) {
    static std::map<int32_t, QAccessible::Id> ids;
    auto it = ids.find(index);
    if (it == ids.end())
      it = ids.emplace(index, QAccessible::registerAccessibleInterface(new PileAccessible(index)))
               .first;
    return QAccessible::accessibleInterface(it->second);
  }
};

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
  if (object && object == tableWidget) return new TableAccessible(tableWidget);
  return nullptr;
}

}  // namespace

void InstallTableAccessibility(QWidget* table, Game& game) {
  tableGame = &game;
  tableWidget = table;
  table->setAccessibleName(QStringLiteral("Card table"));
  QAccessible::installFactory(TableFactory);
  // An interface Qt made for the widget before the factory was there gives
  // way to ours.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(table);
      made && !dynamic_cast<TableAccessible*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AnnounceFocusedPile(QWidget* table, Game& game) {
  static int32_t lastIndex = -1;
  static std::string lastText;
  if (table != tableWidget || &game != tableGame) return;
  const int32_t i = FocusIndex();
  const std::string text = i < 0 ? std::string() : DescribePile(game, i);
  if (i == lastIndex && text == lastText) return;
  const bool moved = i != lastIndex;
  lastIndex = i;
  lastText = text;
  if (i < 0) return;
  QAccessibleEvent event(table, moved ? QAccessible::Focus : QAccessible::DescriptionChanged);
  event.setChild(i);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tarnik
