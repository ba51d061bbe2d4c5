// NuveloConten: the windows that show the HTML pages of a name or a
// character (caption "姓名详细解释").
//
// The report window has six tab pages: the name report (temp.html), up to
// four character pages (temp1..temp4.html) and the surname page
// (temp5.html). Only page 0 is available when it opens; a report makes the
// pages it fills available. Choosing page 1..5 reloads its file every time.
// The single-page window shows temp.html alone.
//
// Both are free-standing windows owned by the window that opens them, not
// modal, destroyed when closed. Toolbar item 8 prints the shown page, item 10
// closes the window; the controls follow the window's size.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QAction;
class QFrame;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QToolBar;

namespace nuvelo::app {

class NuveloConten : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Report, SinglePage };

    // Characters a report window has pages for (pages 1..4).
    static constexpr int kCharacterPages = 4;
    static constexpr int kSurnamePage = 5;

    // Shows temp.html at once (page 0 of a report window).
    NuveloConten(Kind kind, QWidget* owner);

    Kind kind() const { return kind_; }
    // The window's own caption, without a name in front of it.
    static QString baseCaption();

    // Report window: pages 1..4 unavailable again with captions "1".."4"
    // (before a new name is filled in).
    void resetCharacterPages();
    // Report window: character page `index` (1..4) available, captioned.
    void setCharacterPage(int index, const QString& character);
    // Report window: page 5 available, captioned "姓氏起源".
    void setSurnamePageReady();
    // Loads temp.html into the first browser again and, in a report window,
    // the file of the page now shown: the window then shows the pages just
    // written.
    void reloadShownPages();

    // Toolbar item `index` (buttons at 8 and 10, separators at odd indexes).
    void onToolbarItem(int index);
    QAction* toolbarItem(int index) const;

    QTabWidget* tabs() const { return tabs_; }  // null in the single-page window
    // Browser `i` (0-based: 网页浏览框 i+1); null outside the window's browsers.
    QTextBrowser* browser(int i) const;
    // The browser of the page now shown.
    QTextBrowser* currentBrowser() const;

    // Test hook: a non-empty path makes printing skip the print dialog and
    // print into this PDF file instead. Empty: the dialog is shown.
    static void setPrintTarget(const QString& pdfPath);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildToolbar();
    void onPageChanged(int page);
    void loadPage(int browserIndex, const QString& fileName);
    void printCurrent();

    Kind kind_;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, 11> toolbarItems_{};
    QFrame* rule_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<QTextBrowser*, 6> browsers_{};
    int browserCount_ = 0;
    QStatusBar* statusBar_ = nullptr;
};

// The file name of report page `page`: temp.html for 0, temp<p>.html else.
QString reportPageFile(int page);

}  // namespace nuvelo::app
