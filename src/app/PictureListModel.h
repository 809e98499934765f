#pragma once
// The library table's rows: one document each, with the columns "selection" (the tick box),
// "name" and "size". The tick is shown from the ticked names; a click on it asks the
// controller to toggle, the model never changes ticks itself.

#include "core/document/Fotino.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QSet>
#include <memory>
#include <vector>

class PictureListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SelectionColumn = 0, NameColumn = 1, SizeColumn = 2, ColumnCount = 3 };

    explicit PictureListModel(QObject* parent = nullptr);

    static QString columnIdentifier(int column);
    static int columnForIdentifier(const QString& identifier);

    // The documents, with their sizes in centimetres when metric, else in inches.
    void setDocuments(const std::vector<std::shared_ptr<Fotino>>& documents, bool metric);
    void setTickedNames(const QSet<QString>& names);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Header texts are set by the relabelling; the identifier is read with
    // KtObject::ColumnIdentifierRole.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

Q_SIGNALS:
    // The user clicked the tick box of a row (or pressed space on it).
    void tickToggleRequested(int row);

private:
    std::vector<std::shared_ptr<Fotino>> documents_;
    // Thumbnails decoded once per refresh; a null pixmap when a document has none.
    std::vector<QPixmap> thumbnails_;
    QSet<QString> tickedNames_;
    bool metric_ = true;
    QString headers_[ColumnCount];
};
