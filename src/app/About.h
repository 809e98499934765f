#pragma once
// The about box: the about document in the user's language, with links that open in the
// browser, and the version. One box a run, created on first use.

#include <QDialog>
#include <memory>

namespace Ui {
class Aboutpanel;
}

class About : public QDialog {
    Q_OBJECT
public:
    // The one box, in front.
    static About* about();
    ~About() override;

    Ui::Aboutpanel* outlets() const { return ui_.get(); }
    // The about document of the user's language, in the resource folder.
    static QString documentPath();
    void localizePanel();

private:
    About();
    void awakeFromNib();

    std::unique_ptr<Ui::Aboutpanel> ui_;
};
