// NuveloMain: the main window. Menu bar, toolbar, the eleven working pages of
// 高级选择夹1, the status bar; the start handler, the toolbar actions and the
// exit sequence. Handlers read controls, call the core and show its results.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "app/app_context.h"
#include "app/generation_controller.h"
#include "app/run_inputs_reader.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class QTextBrowser;
class QToolBar;
class QGroupBox;
class QPushButton;

namespace nuvelo::app {

class NameListView;
class NuveloWaiting;
struct ReportState;
struct PoemState;
struct ExtrasState;

// Page indexes of 高级选择夹1; the program selects pages by index.
enum MainPage {
    kPageModeSelect = 0,
    kPageHighScore = 1,
    kPagePoetry = 2,
    kPageCombination = 3,
    kPageNickname = 4,
    kPageEnglish = 5,
    kPageBirthChart = 6,
    kPageScoring = 7,
    kPageRecords = 8,
    kPageSuperAuspicious = 9,
    kPageClassic = 10,
};

class NuveloMain : public QMainWindow, public RunView {
    Q_OBJECT
public:
    explicit NuveloMain(AppContext& context, QWidget* parent = nullptr);
    ~NuveloMain() override;

    // The start handler. False when another instance already runs: the
    // caller then ends the process at once, having shown and saved nothing.
    bool start();

    // Reads the date source of the birth-chart page and shows its chart.
    void showBirthChart();

    int statusIconIndex() const { return statusIconIndex_; }
    QString statusText() const;
    void setStatus(int iconIndex, const QString& text);

    QTabWidget* pages() const { return pages_; }
    // Toolbar item 0..8: buttons at even indexes, separators at odd ones.
    QAction* toolbarItem(int itemIndex) const;
    NuveloWaiting* waitingWindow() const { return waiting_; }
    const std::string& lastRunSurname() const { return lastRunSurname_; }  // GBK
    int generationCharacterFlag() const { return generationCharacterFlag_; }
    // Runs that reached their end (not stopped); tests wait on it.
    int finishedRuns() const { return finishedRuns_; }

public slots:
    // A toolbar click or an item of 操作菜单 with its toolbar index.
    void onToolbarItem(int itemIndex);
    // Stops the worker, ends the load, closes the database, saves, quits.
    void runExitSequence();

protected:
    void closeEvent(QCloseEvent* event) override;

    // Hooks of later features; empty for now.
    void applyStartupSkin();
    void restoreSettings();
    void saveSettings();
    void stopWorker();
    void openArticleCategory(const std::string& table, const std::string& category);  // GBK

private slots:
    void onModeRadioClicked(int modeIndex);
    // Page buttons whose work arrives with the generation, report and export
    // features.
    void onStartNaming();
    void onHighScorePause();
    void onHighScoreAgain();
    void onHighScoreExport();
    void onPoetSelected();
    void onPoemSelected();
    void onUsePoem();
    void onPoemTickAll();
    void onPoemTickInvert();
    void onPoemTickNone();
    void onPoemGenerate();
    void onCombinationGenerate();
    void onNicknameGenerate();
    void onEnglishGenerate();
    void onEnglishRowActivated(int row);
    void onScoreTypedName();
    void onSuperGenerate();
    void onSuperPause();
    void onSuperExport();
    void onClassicGenerate();
    void onClassicExport();
    void onGenerationCharacterLabel();
    void onNameRowActivated(NameListView* list, int row);
    void onRecordRowActivated(int row);
    void onRecordContextMenu(int row, const QPoint& globalPos);
    void onChangeSkin();
    void onOpenManual();
    void onAbout();
    void onElementMasterClicked(int family);

private:
    // RunView: what a generation run shows (window thread).
    void runBegan() override;
    void closeWaiting() override;
    void showPage(int page) override;
    void showPoemResultPage() override;
    void setRunControlEnabled(generation::RunControl control, bool enabled) override;
    void setClassicText(const std::string& gbk) override;
    void appendRows(generation::ListId list, std::vector<generation::NameRow> rows) override;
    void finishList(generation::ListId list) override;
    void showRunMessage(const std::string& text, const std::string& title, generation::MessageIcon icon) override;
    void runEnded() override;

    // Starts a run of `mode` with the window's current inputs.
    void startRun(generation::Mode mode);
    // Toolbar button 0 and the menu item "模式选择".
    void setModeSelectEnabled(bool enabled);
    // Fills the poet list and shows the poem page.
    void openPoemPicker();
    generation::RunInputs currentInputs(generation::Mode mode) const;
    NameListView* listOf(generation::ListId list) const;
    QPushButton* button(const char* name) const;
    // Enables or disables every mode radio button except the one of `mode`.
    void setOtherModeRadiosEnabled(generation::Mode mode, bool enabled);
    // The pause toggle of page 1 / page 9.
    void togglePause(const char* pauseButton, const char* exportButton, generation::Mode mode);
    // The captions and ticks of the poem's character boxes, in order.
    std::vector<std::pair<std::string, bool>> poemBoxStates() const;

    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildModeSelectPage();
    QWidget* buildHighScorePage();
    QWidget* buildPoetryPage();
    QWidget* buildCombinationPage();
    QWidget* buildNicknamePage();
    QWidget* buildEnglishPage();
    QWidget* buildBirthChartPage();
    QWidget* buildScoringPage();
    QWidget* buildRecordsPage();
    QWidget* buildSuperAuspiciousPage();
    QWidget* buildClassicPage();
    // A group box holding one result list with the caption of the name lists.
    QGroupBox* listGroup(const QString& groupName, NameListView* list, const QString& caption);
    NameListView* makeNameList(const QString& name);
    void startReferenceLoad();
    void showLoadMessage(const QString& text);
    void openDictionary();

    AppContext& context_;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, 9> toolbarItems_{};
    QTabWidget* pages_ = nullptr;
    QLabel* statusIcon_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    int statusIconIndex_ = 0;
    NuveloWaiting* waiting_ = nullptr;

    // Page 0: baby information and modes.
    QLineEdit* surnameEdit_ = nullptr;
    QComboBox* sexList_ = nullptr;
    QComboBox* lengthList_ = nullptr;
    std::array<QComboBox*, 5> birthLists_{};  // year, month, day, hour, minute
    QButtonGroup* modeRadios_ = nullptr;
    QLabel* generationCharacterLabel_ = nullptr;

    // Page 6: birth chart.
    QRadioButton* chartNamingDate_ = nullptr;
    QRadioButton* chartCustomDate_ = nullptr;
    QLabel* chartNamingDateLabel_ = nullptr;
    std::array<QComboBox*, 4> chartLists_{};  // year, month, day, hour
    QPlainTextEdit* chartText_ = nullptr;
    QLabel* chartElementsLabel_ = nullptr;
    QLabel* chartMissingLabel_ = nullptr;

    // Page 7: scoring.
    QLineEdit* scoreSurnameEdit_ = nullptr;
    QLineEdit* scoreGivenEdit_ = nullptr;
    std::array<QComboBox*, 5> scoreLists_{};

    // Page 9: element filters, [family][0 = master, 1..5 = 金木水火土].
    std::array<std::array<QCheckBox*, 6>, 4> elementBoxes_{};

    // Result lists.
    NameListView* highScoreList_ = nullptr;
    NameListView* poetList_ = nullptr;
    NameListView* poemList_ = nullptr;
    NameListView* poemNameList_ = nullptr;
    NameListView* combinationList_ = nullptr;
    NameListView* nicknameList_ = nullptr;
    NameListView* englishList_ = nullptr;
    NameListView* scoreList_ = nullptr;
    NameListView* recordList_ = nullptr;
    NameListView* superList_ = nullptr;

    // State of the feature files (see report_state.h, poem_state.h,
    // extras_state.h): reports, records, scoring and settings; the poem
    // picker and the generation character; article reader, export,
    // pronunciation, skins and help.
    std::unique_ptr<ReportState> reports_;
    std::unique_ptr<PoemState> poems_;
    std::unique_ptr<ExtrasState> extras_;

    std::unique_ptr<GenerationController> generation_;
    GenerationCharSetting generationChar_;
    generation::Mode runMode_ = generation::Mode::Classic;  // mode of the last started run
    int finishedRuns_ = 0;

    std::string lastRunSurname_;  // GBK
    int generationCharacterFlag_ = 0;
    bool exited_ = false;
};

}  // namespace nuvelo::app
