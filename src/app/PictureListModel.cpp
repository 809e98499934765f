#include "app/PictureListModel.h"

#include "ui/platform/KtObject.h"

namespace {
constexpr int kThumbnailSide = 32;
}

PictureListModel::PictureListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

QString PictureListModel::columnIdentifier(int column) {
    switch (column) {
    case SelectionColumn:
        return QStringLiteral("selection");
    case NameColumn:
        return QStringLiteral("name");
    case SizeColumn:
        return QStringLiteral("size");
    default:
        return {};
    }
}

int PictureListModel::columnForIdentifier(const QString& identifier) {
    for (int column = 0; column < ColumnCount; ++column) {
        if (columnIdentifier(column) == identifier) {
            return column;
        }
    }
    return -1;
}

void PictureListModel::setDocuments(const std::vector<std::shared_ptr<Fotino>>& documents,
                                    bool metric) {
    beginResetModel();
    documents_ = documents;
    metric_ = metric;
    thumbnails_.clear();
    thumbnails_.reserve(documents_.size());
    for (const auto& document : documents_) {
        const QImage thumbnail = document->image();
        thumbnails_.push_back(
            thumbnail.isNull() ? QPixmap()
                               : QPixmap::fromImage(thumbnail.scaled(kThumbnailSide, kThumbnailSide,
                                                                     Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation)));
    }
    endResetModel();
}

void PictureListModel::setTickedNames(const QSet<QString>& names) {
    tickedNames_ = names;
    if (!documents_.empty()) {
        Q_EMIT dataChanged(index(0, SelectionColumn),
                           index(static_cast<int>(documents_.size()) - 1, SelectionColumn),
                           {Qt::CheckStateRole});
    }
}

int PictureListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(documents_.size());
}

int PictureListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PictureListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Fotino& document = *documents_.at(static_cast<size_t>(index.row()));
    const int column = index.column();
    if (column == SelectionColumn) {
        if (role == Qt::CheckStateRole) {
            return tickedNames_.contains(document.name()) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return document.valueForKey(columnIdentifier(column), metric_);
    }
    if (role == Qt::DecorationRole && column == NameColumn) {
        const QPixmap& thumbnail = thumbnails_.at(static_cast<size_t>(index.row()));
        return thumbnail.isNull() ? QVariant() : QVariant(thumbnail);
    }
    return {};
}

QVariant PictureListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount) {
        if (role == Qt::DisplayRole) {
            return headers_[section];
        }
        if (role == KtObject::ColumnIdentifierRole) {
            return columnIdentifier(section);
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PictureListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == SelectionColumn) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool PictureListModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return false;
    }
    headers_[section] = value.toString();
    Q_EMIT headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

bool PictureListModel::setData(const QModelIndex& index, const QVariant& /*value*/, int role) {
    if (!index.isValid() || index.column() != SelectionColumn || role != Qt::CheckStateRole) {
        return false;
    }
    Q_EMIT tickToggleRequested(index.row());
    return true;
}
