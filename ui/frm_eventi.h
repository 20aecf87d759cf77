#pragma once

#include "events_dialog_choices.h"
#include "save_file_dialog.h"
#include "sky_event_search.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// "Eventi del cielo…": the events of a period in UTC, of the kinds checked,
// found off the window's thread and listed by date; "Vai" takes the sky to
// the chosen one, "Esporta…" writes them as CSV or iCalendar, the type
// chosen in the file dialog. A kind unticked leaves the list at once. The
// kinds, the period's length and the export's folder are kept between runs.
class FrmEventi final : public QDialog {
    Q_OBJECT

public:
    // Where to save a file and as which type, asked over `owner`.
    using AskFile = std::function<SaveFileAnswer(QWidget* owner, const SaveFileQuestion& question)>;

    // The period runs from `start` for the length kept (a year at first),
    // within the span; its events are searched with `find` at once. `now` stamps the exported calendars.
    FrmEventi(const QDateTime& start, const SkyEventSearch::Finder& find, AskFile askFile,
              std::function<QDateTime()> now, QWidget* owner);

    // Lists `events` (in time order) in place of those shown.
    void ShowEvents(const std::vector<SkyEvent>& events);
    bool Searching() const { return Search.Running(); }
    // Until the worker of the last search has ended, as closing waits.
    void WaitForWorker() { Search.Wait(); }
    // The event chosen with "Vai", and its moment.
    const SkyEvent& ChosenEvent() const { return Chosen; }
    QDateTime ChosenMoment() const;

    QDateTimeEdit* txtDal = nullptr;
    QDateTimeEdit* txtAl = nullptr;
    std::array<QCheckBox*, kSkyEventGroupCount> chkGruppi{}; // in the order of SkyEventGroup
    QPushButton* cmdCerca = nullptr;
    QProgressBar* prgRicerca = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QLabel* lblMessaggio = nullptr; // the search's state, or in red what is wrong with the period
    QTableWidget* tblEventi = nullptr;
    QPushButton* cmdVai = nullptr;
    QPushButton* cmdEsporta = nullptr;
    QPushButton* cmdChiudi = nullptr;

    void done(int result) override; // cancels a search still running and waits for its worker

private:
    void CreateControls(const QDateTime& start);
    void cmdCerca_Click();
    void cmdAnnulla_Click();
    void cmdVai_Click();
    void cmdEsporta_Click();
    void chkGruppi_Click();
    SkyEventGroups Ticked() const;
    void ShowFound(); // the last search's events of the kinds ticked
    void KeepChoices(); // writes the dialog's choices to the settings file
    void ShowMessage(const QString& text, bool wrong);
    void SearchEnded();
    int SelectedEvent() const; // the index in Shown of the selected row, or -1

    EventsDialogChoices Choices;
    SkyEventSearch Search;
    SkyEventGroups Asked{}; // the kinds of the last search started
    std::optional<std::vector<SkyEvent>> AllFound; // by the last search, once it has ended
    std::vector<SkyEvent> Shown; // in time order, whatever the table's order
    SkyEvent Chosen;
    AskFile AskFileName;
    std::function<QDateTime()> Now;
};
