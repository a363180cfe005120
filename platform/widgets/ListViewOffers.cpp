#include "platform/widgets/ListView.h"

#include <QItemSelectionModel>
#include <QLabel>

// Offers while typing: rows of another model (installed applications) shown
// after the matches, in the list itself or, where icons are placed by hand
// and so keep their places, in a small list of their own under the filter
// line. They are never items: no row of an item model names one.
namespace platform {

void ListView::setOffers(QAbstractItemModel *offers)
{
    if (m_offers) {
        m_offers->disconnect(this);
        if (m_rows->hasSourceModel(m_offers))
            m_rows->removeSourceModel(m_offers);
    }
    m_offers = offers;
    if (m_offers) {
        for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(m_offers, signal, this, &ListView::offersChanged);
        connect(m_offers, &QAbstractItemModel::modelReset, this, &ListView::offersChanged);
    }
    placeOffers();
}

int ListView::offerCount() const { return m_offers ? m_offers->rowCount() : 0; }

bool ListView::offersInList() const { return !freePlacement(); }

void ListView::placeOffers()
{
    const bool inList = m_offers && offersInList();
    if (m_offers && !inList && m_rows->hasSourceModel(m_offers))
        m_rows->removeSourceModel(m_offers);
    if (inList && !m_rows->hasSourceModel(m_offers))
        m_rows->addSourceModel(m_offers);
    // Their own list (made when first shown) lets go of offers that are no more.
    if (m_offerList && m_offerList->model() != m_offers)
        m_offerList->setModel(nullptr);
    offersChanged();
}

void ListView::showOfferList()
{
    if (!m_offerList) {
        m_offerList = new QListView(this);
        m_offerList->setObjectName(QStringLiteral("offerList"));
        //: What a screen reader calls the small list of applications offered while typing.
        m_offerList->setAccessibleName(tr("Applications"));
        // The keys stay with the shortcuts: Up and Down reach the offers from there.
        m_offerList->setFocusPolicy(Qt::NoFocus);
        m_offerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_offerList->setSelectionMode(QAbstractItemView::SingleSelection);
        m_offerList->setIconSize(QSize(16, 16));
        m_offerList->setWordWrap(false);
        connect(m_offerList, &QAbstractItemView::doubleClicked, this,
                [this](const QModelIndex &index) { emit offerOpenRequested(index.row()); });
    }
    if (m_offerList->model() != m_offers) {
        m_offerList->setModel(m_offers);
        connect(m_offerList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            // One thing is selected at a time: an offer, or shortcuts.
            if (m_offerList->selectionModel()->hasSelection())
                selectOnly(QModelIndex());
            emit offerSelectionChanged();
        });
    }
    m_offerList->show();
}

void ListView::offersChanged()
{
    const bool shown = m_offers && !offersInList() && filtered() && offerCount() > 0;
    if (shown)
        showOfferList();
    else if (m_offerList)
        m_offerList->hide();
    placeFilterLine();
    viewport()->update();
}

int ListView::offerOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != m_rows || !m_offers)
        return -1;
    const QModelIndex offer = m_rows->mapToSource(index);
    return offer.model() == m_offers ? offer.row() : -1;
}

int ListView::selectedOffer() const
{
    if (!m_offers)
        return -1;
    if (offersInList())
        return selectionModel()->isSelected(currentIndex()) ? offerOf(currentIndex()) : -1;
    // Hidden, its list offers nothing (the window itself may be hidden).
    if (!m_offerList || m_offerList->isHidden())
        return -1;
    const QModelIndex current = m_offerList->currentIndex();
    return m_offerList->selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListView::selectOffer(int row)
{
    if (row < 0 || row >= offerCount())
        return;
    const QModelIndex offer = m_offers->index(row, 0);
    if (offersInList()) {
        const QModelIndex index = m_rows->mapFromSource(offer);
        selectOnly(index);
        scrollTo(index);
    } else if (m_offerList) {
        selectOnly(QModelIndex());
        m_offerList->selectionModel()->setCurrentIndex(offer, QItemSelectionModel::ClearAndSelect);
    }
    emit offerSelectionChanged();
}

void ListView::openViewRow(int viewRow)
{
    const QModelIndex index = viewIndex(viewRow);
    if (const int row = rowOf(index); row >= 0) {
        openRow(row);
    } else if (const int offer = offerOf(index); offer >= 0) {
        selectOffer(offer);
        emit offerOpenRequested(offer);
    }
}

} // namespace platform
