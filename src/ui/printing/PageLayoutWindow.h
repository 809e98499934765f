#pragma once
// The page layout window: the preview of one sheet with the ticked photos, the paper, the
// number of copies of each photo, the space between photos, cut marks, page setup and
// print. One window a run, created on first use.

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class PageLayout;
namespace Ui {
class PageLayout;
}

class PageLayoutWindow : public QWidget {
    Q_OBJECT
public:
    // The one window: shown and brought to the front.
    static PageLayoutWindow* layoutWindow();
    ~PageLayoutWindow() override;

    PageLayout* pageLayout() const;
    Ui::PageLayout* outlets() const { return ui_.get(); }

    // Copies the stepper's value into the preview's copy count.
    void numberFieldChanged();
    // The slider's position, a step of the display unit, sets the preview's interspace.
    void setInterspace();
    // The space typed in the field, in the display unit, sets the preview's interspace; a text
    // that is no space puts back the one shown.
    void interspaceEdited();
    // Shows the same space in the unit the preferences now say.
    void unitChanged();
    // The check box's state is whether the preview has cut marks.
    void setCutMarks();
    void pageSetup();
    // Chooses one of the known papers (also photo papers) without the page setup dialog.
    void paperSelected(int index);
    // Writes the interspace and cut marks to the defaults, then prints the sheet through the print
    // dialog on the paper chosen there; answers whether anything was printed.
    bool print();
    void localizePanel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PageLayoutWindow();
    void awakeFromNib();
    void showPaper();
    // The preview's interspace in the field and on the slider, in the display unit.
    void showInterspace();
    // The last interspace and cut marks printed with are where the next run starts.
    void storePrintSettings();

    std::unique_ptr<Ui::PageLayout> ui_;
    bool metric_ = true;
    // The field's text as last shown: left as it is, it keeps the exact space behind it.
    QString shownInterspace_;
};
