// The shortcut list as screen readers and other assistive tools get it: Qt's
// own interface for the list and its items, with one more action on each
// item, "Open", doing what a double-click or Enter does. Qt's item interfaces
// offer only "Toggle" (select) and cannot be reached by a factory, so the
// list's interface hands out items of its own that wrap Qt's.
#include "platform/widgets/Accessibility.h"

#include <QAbstractProxyModel>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include "platform/widgets/ListView.h"

namespace platform {

namespace {

QAccessibleInterface *byId(QAccessible::Id id)
{
    return id ? QAccessible::accessibleInterface(id) : nullptr;
}

// One shortcut: everything as Qt's item tells it, plus the action that opens it.
class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleItem(ListView &view, QAccessible::Id qtItem) : m_view(&view), m_qtItem(qtItem) {}
    QAccessible::Id qtItem() const { return m_qtItem; }
    QAccessibleInterface *inner() const { return byId(m_qtItem); }

    bool isValid() const override { return m_view && inner() && inner()->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return inner() ? inner()->window() : nullptr; }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return inner() ? inner()->relations(match) : QList<QPair<QAccessibleInterface *, QAccessible::Relation>>();
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return inner() ? inner()->text(t) : QString(); }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (inner())
            inner()->setText(t, text);
    }
    QRect rect() const override { return inner() ? inner()->rect() : QRect(); }
    QAccessible::Role role() const override { return inner() ? inner()->role() : QAccessible::ListItem; }
    QAccessible::State state() const override { return inner() ? inner()->state() : QAccessible::State(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return inner() ? inner()->interface_cast(type) : nullptr;
    }

    // Open first: tools take the first action for the item's default.
    QStringList actionNames() const override
    {
        QStringList names{pressAction()};
        if (QAccessibleActionInterface *qt = qtActions())
            names << qt->actionNames();
        return names;
    }
    QString localizedActionName(const QString &name) const override
    {
        if (name == pressAction())
            //: What a screen reader calls the action that opens a shortcut.
            return QCoreApplication::translate("platform::ListView", "Open");
        QAccessibleActionInterface *qt = qtActions();
        return qt ? qt->localizedActionName(name) : QString();
    }
    QString localizedActionDescription(const QString &name) const override
    {
        if (name == pressAction())
            //: How a screen reader describes the action that opens a shortcut.
            return QCoreApplication::translate("platform::ListView", "Opens the shortcut");
        QAccessibleActionInterface *qt = qtActions();
        return qt ? qt->localizedActionDescription(name) : QString();
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        QAccessibleActionInterface *qt = qtActions();
        return name != pressAction() && qt ? qt->keyBindingsForAction(name) : QStringList();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            open();
        else if (QAccessibleActionInterface *qt = qtActions())
            qt->doAction(name);
    }

private:
    QAccessibleActionInterface *qtActions() const { return inner() ? inner()->actionInterface() : nullptr; }
    void open()
    {
        QAccessibleTableCellInterface *cell = inner() ? inner()->tableCellInterface() : nullptr;
        if (cell && m_view)
            m_view->openViewRow(cell->rowIndex());
    }

    QPointer<ListView> m_view;
    const QAccessible::Id m_qtItem;
};

// The list: Qt's own interface, handing out the items above in place of Qt's.
class AccessibleList : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    AccessibleList(ListView &view, QAccessibleInterface &qtList)
        : m_view(&view), m_qtList(QAccessible::uniqueId(&qtList))
    {
    }
    ~AccessibleList() override
    {
        for (const QAccessible::Id item : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(item);
        QAccessible::deleteAccessibleInterface(m_qtList);
    }

    bool isValid() const override { return m_view && inner() && inner()->isValid(); }
    QObject *object() const override { return m_view.data(); }
    QWindow *window() const override { return inner() ? inner()->window() : nullptr; }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return inner() ? inner()->relations(match) : QList<QPair<QAccessibleInterface *, QAccessible::Relation>>();
    }
    QAccessibleInterface *focusChild() const override { return wrap(inner() ? inner()->focusChild() : nullptr); }
    QAccessibleInterface *childAt(int x, int y) const override { return wrap(inner() ? inner()->childAt(x, y) : nullptr); }
    QAccessibleInterface *parent() const override { return inner() ? inner()->parent() : nullptr; }
    QAccessibleInterface *child(int index) const override { return wrap(inner() ? inner()->child(index) : nullptr); }
    int childCount() const override { return inner() ? inner()->childCount() : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return inner() ? inner()->indexOfChild(unwrap(child)) : -1;
    }
    QString text(QAccessible::Text t) const override { return inner() ? inner()->text(t) : QString(); }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (inner())
            inner()->setText(t, text);
    }
    QRect rect() const override { return inner() ? inner()->rect() : QRect(); }
    QAccessible::Role role() const override { return inner() ? inner()->role() : QAccessible::List; }
    QAccessible::State state() const override { return inner() ? inner()->state() : QAccessible::State(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return qtTable() ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
        return inner() ? inner()->interface_cast(type) : nullptr;
    }

    QAccessibleInterface *caption() const override { return qtTable() ? qtTable()->caption() : nullptr; }
    QAccessibleInterface *summary() const override { return qtTable() ? qtTable()->summary() : nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return wrap(qtTable() ? qtTable()->cellAt(row, column) : nullptr);
    }
    int selectedCellCount() const override { return qtTable() ? qtTable()->selectedCellCount() : 0; }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells = qtTable() ? qtTable()->selectedCells() : QList<QAccessibleInterface *>();
        for (QAccessibleInterface *&cell : cells)
            cell = wrap(cell);
        return cells;
    }
    QString columnDescription(int column) const override { return qtTable() ? qtTable()->columnDescription(column) : QString(); }
    QString rowDescription(int row) const override { return qtTable() ? qtTable()->rowDescription(row) : QString(); }
    int selectedColumnCount() const override { return qtTable() ? qtTable()->selectedColumnCount() : 0; }
    int selectedRowCount() const override { return qtTable() ? qtTable()->selectedRowCount() : 0; }
    int columnCount() const override { return qtTable() ? qtTable()->columnCount() : 0; }
    int rowCount() const override { return qtTable() ? qtTable()->rowCount() : 0; }
    QList<int> selectedColumns() const override { return qtTable() ? qtTable()->selectedColumns() : QList<int>(); }
    QList<int> selectedRows() const override { return qtTable() ? qtTable()->selectedRows() : QList<int>(); }
    bool isColumnSelected(int column) const override { return qtTable() && qtTable()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return qtTable() && qtTable()->isRowSelected(row); }
    bool selectRow(int row) override { return qtTable() && qtTable()->selectRow(row); }
    bool selectColumn(int column) override { return qtTable() && qtTable()->selectColumn(column); }
    bool unselectRow(int row) override { return qtTable() && qtTable()->unselectRow(row); }
    bool unselectColumn(int column) override { return qtTable() && qtTable()->unselectColumn(column); }
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        // Qt drops the items of rows that went; their wrappers go with them.
        if (qtTable())
            qtTable()->modelChange(event);
        for (auto it = m_items.begin(); it != m_items.end();) {
            if (byId(it.key())) {
                ++it;
            } else {
                QAccessible::deleteAccessibleInterface(it.value());
                it = m_items.erase(it);
            }
        }
    }

private:
    QAccessibleInterface *inner() const { return byId(m_qtList); }
    QAccessibleTableInterface *qtTable() const { return inner() ? inner()->tableInterface() : nullptr; }
    // The wrapper of Qt's item `qt`, made once per item.
    QAccessibleInterface *wrap(QAccessibleInterface *qt) const
    {
        if (!qt || !m_view || qt->role() != QAccessible::ListItem || qt->object())
            return qt;
        const QAccessible::Id id = QAccessible::uniqueId(qt);
        if (QAccessibleInterface *item = byId(m_items.value(id)))
            return item;
        auto *item = new AccessibleItem(*m_view, id);
        m_items.insert(id, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    static const QAccessibleInterface *unwrap(const QAccessibleInterface *child)
    {
        auto *item = dynamic_cast<const AccessibleItem *>(child);
        return item ? item->inner() : child;
    }

    QPointer<ListView> m_view;
    const QAccessible::Id m_qtList;
    // Qt's item → its wrapper.
    mutable QHash<QAccessible::Id, QAccessible::Id> m_items;
};

// The list's property that marks Qt's own interface being made for it.
constexpr char kMakingQtInterface[] = "_tessaflow_qtAccessible";

QAccessibleInterface *listInterface(const QString &className, QObject *object)
{
    auto *view = qobject_cast<ListView *>(object);
    if (!view || className != QLatin1String(ListView::staticMetaObject.className())
        || view->property(kMakingQtInterface).toBool())
        return nullptr;
    // Qt's interface is made the usual way, by its own factory, while this
    // one steps aside; the list is then known by the wrapper, which owns it.
    view->setProperty(kMakingQtInterface, true);
    QAccessibleInterface *qt = QAccessible::queryAccessibleInterface(view);
    view->setProperty(kMakingQtInterface, QVariant());
    return qt ? new AccessibleList(*view, *qt) : nullptr;
}

} // namespace

void installAccessibleListItems() { QAccessible::installFactory(listInterface); }

} // namespace platform
