#pragma once
// The library table; while it has no rows it shows a short hint in its empty area.

#include <QTableView>

class PictureTableView : public QTableView {
    Q_OBJECT
public:
    explicit PictureTableView(QWidget* parent = nullptr);

    void setPlaceholderText(const QString& text);
    QString placeholderText() const { return placeholderText_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString placeholderText_;
};
