#pragma once
// The choice made before importing several pictures: the format of the documents and
// whether each is framed on the face.

#include <QDialog>
#include <memory>
#include <vector>

class Preset;
namespace Ui {
class BatchImportWindow;
}

class BatchImportWindow : public QDialog {
    Q_OBJECT
public:
    BatchImportWindow(int pictureCount, QWidget* parent);
    ~BatchImportWindow() override;

    Ui::BatchImportWindow* outlets() const { return ui_.get(); }
    // The preset chosen; none when there is no preset at all.
    std::shared_ptr<Preset> preset() const;
    bool autoFrame() const;
    void localizePanel();

private:
    std::unique_ptr<Ui::BatchImportWindow> ui_;
    std::vector<std::shared_ptr<Preset>> presetList_;
    int pictureCount_ = 0;
};
