#include "frm_eventi.h"

#include "message_box.h"
#include "settings_file.h"
#include "sky_clock.h"
#include "sky_event_export.h"
#include "sky_moment.h"
#include "sky_moment_edit.h"
#include "texts.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

enum Column { DateColumn, EventColumn };
constexpr int kEventIndexRole = Qt::UserRole; // the row's index in the events shown
constexpr int kJulianDayRole = Qt::UserRole + 1;
constexpr int kProgressSteps = 1000;
constexpr int kRowPadding = 4; // pixels of a row beyond its line of text

// The date's cell sorts by the moment, whatever its text.
class MomentItem final : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(kJulianDayRole).toDouble() < other.data(kJulianDayRole).toDouble();
    }
};

} // namespace

FrmEventi::FrmEventi(const QDateTime& start, const SkyEventSearch::Finder& find, AskFile askFile,
                     std::function<QDateTime()> now, QWidget* owner)
    : QDialog(owner), Choices(ReadEventsDialogChoices(*OpenSettings())), Search(find),
      AskFileName(std::move(askFile)), Now(std::move(now))
{
    setWindowTitle(EventsDialogText::Title());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateControls(start);
    connect(&Search, &SkyEventSearch::Progress, this,
            [this](double share) { prgRicerca->setValue(static_cast<int>(std::lround(share * kProgressSteps))); });
    connect(&Search, &SkyEventSearch::Found, this, [this](const std::vector<SkyEvent>& events) {
        SearchEnded();
        prgRicerca->setValue(kProgressSteps); // a whole search shows a full bar
        AllFound = events;
        ShowFound();
    });
    connect(&Search, &SkyEventSearch::Failed, this, [this](const QString& reason) {
        SearchEnded();
        ShowMessage(EventsDialogText::SearchFailed(reason), true);
    });
    cmdCerca_Click();
}

void FrmEventi::CreateControls(const QDateTime& start)
{
    auto* from = new SkyMomentEdit(this, start, EventsDialogText::FromName());
    auto* to = new SkyMomentEdit(this, EndOfPeriod(start, Choices.periodSeconds), EventsDialogText::ToName());
    for (const SkyMomentEdit* edit : {from, to}) {
        connect(edit, &SkyMomentEdit::Refused, this, [this](const QString& reason) { ShowMessage(reason, true); });
    }
    txtDal = from;
    txtAl = to;
    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(EventsDialogText::FromLabel(), this));
    period->addWidget(txtDal);
    period->addWidget(new QLabel(EventsDialogText::ToLabel(), this));
    period->addWidget(txtAl);

    auto* kinds = new QGridLayout;
    for (std::size_t i = 0; i < chkGruppi.size(); ++i) {
        chkGruppi[i] = new QCheckBox(SkyEventGroupText(static_cast<SkyEventGroup>(i)), this);
        chkGruppi[i]->setChecked(Choices.kinds[i]);
        connect(chkGruppi[i], &QCheckBox::toggled, this, &FrmEventi::chkGruppi_Click);
        kinds->addWidget(chkGruppi[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
    }

    cmdCerca = new QPushButton(EventsDialogText::Search(), this);
    prgRicerca = new QProgressBar(this);
    prgRicerca->setRange(0, kProgressSteps);
    prgRicerca->setAccessibleName(EventsDialogText::ProgressName());
    cmdAnnulla = new QPushButton(EventsDialogText::Cancel(), this);
    auto* search = new QHBoxLayout;
    search->addWidget(cmdCerca);
    search->addWidget(prgRicerca, 1);
    search->addWidget(cmdAnnulla);
    lblMessaggio = new QLabel(this);

    tblEventi = new QTableWidget(0, 2, this);
    tblEventi->setHorizontalHeaderLabels({EventsDialogText::DateColumn(), EventsDialogText::EventColumn()});
    tblEventi->setAccessibleName(EventsDialogText::TableName());
    tblEventi->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblEventi->setSelectionMode(QAbstractItemView::SingleSelection);
    tblEventi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblEventi->verticalHeader()->hide();
    // A row is one line of text high, so that many fit.
    tblEventi->verticalHeader()->setMinimumSectionSize(0);
    tblEventi->verticalHeader()->setDefaultSectionSize(tblEventi->fontMetrics().height() + kRowPadding);
    tblEventi->horizontalHeader()->setStretchLastSection(true);
    // Qt's header starts descending; the list starts in time order.
    tblEventi->horizontalHeader()->setSortIndicator(DateColumn, Qt::AscendingOrder);
    tblEventi->setSortingEnabled(true);
    tblEventi->setMinimumSize(560, 300);

    cmdVai = new QPushButton(EventsDialogText::Go(), this);
    cmdEsporta = new QPushButton(EventsDialogText::Export(), this);
    cmdChiudi = new QPushButton(EventsDialogText::Close(), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdVai);
    buttons->addWidget(cmdEsporta);
    buttons->addStretch(1);
    buttons->addWidget(cmdChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addLayout(kinds);
    layout->addLayout(search);
    layout->addWidget(lblMessaggio);
    layout->addWidget(tblEventi, 1);
    layout->addLayout(buttons);

    connect(cmdCerca, &QPushButton::clicked, this, &FrmEventi::cmdCerca_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &FrmEventi::cmdAnnulla_Click);
    connect(cmdVai, &QPushButton::clicked, this, &FrmEventi::cmdVai_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &FrmEventi::cmdEsporta_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(tblEventi, &QTableWidget::itemSelectionChanged, this,
            [this] { cmdVai->setEnabled(SelectedEvent() >= 0); });
    connect(tblEventi, &QTableWidget::cellDoubleClicked, this, &FrmEventi::cmdVai_Click);
    cmdCerca->setDefault(true); // Enter in the period searches it
}

void FrmEventi::ShowEvents(const std::vector<SkyEvent>& events)
{
    Shown = events;
    tblEventi->setSortingEnabled(false); // rows filled while sorting move under the loop
    tblEventi->clearContents();
    tblEventi->setRowCount(static_cast<int>(events.size()));
    for (int row = 0; row < tblEventi->rowCount(); ++row) {
        const SkyEvent& event = events[static_cast<std::size_t>(row)];
        // To the nearest minute, as the exported files have it.
        auto* date = new MomentItem(
            MomentOfJulianDay(event.julianDay).addSecs(30).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        date->setData(kEventIndexRole, row);
        date->setData(kJulianDayRole, event.julianDay);
        tblEventi->setItem(row, DateColumn, date);
        tblEventi->setItem(row, EventColumn, new QTableWidgetItem(SkyEventText(event)));
    }
    tblEventi->setSortingEnabled(true);
    tblEventi->resizeColumnToContents(DateColumn);
    cmdVai->setEnabled(SelectedEvent() >= 0);
    cmdEsporta->setEnabled(!events.empty());
}

void FrmEventi::cmdCerca_Click()
{
    ShowEvents({});
    AllFound.reset();
    const QDateTime from = txtDal->dateTime().toUTC();
    const QDateTime to = txtAl->dateTime().toUTC();
    if (to <= from) {
        Search.Cancel();
        SearchEnded();
        ShowMessage(EventsDialogText::EmptyPeriod(), true);
        return;
    }
    Asked = Ticked();
    Search.Start(JulianDayOf(from), JulianDayOf(to), Asked);
    prgRicerca->setValue(0);
    cmdAnnulla->setEnabled(true);
    ShowMessage(EventsDialogText::Searching(), false);
    KeepChoices();
}

SkyEventGroups FrmEventi::Ticked() const
{
    SkyEventGroups groups{};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        groups[i] = chkGruppi[i]->isChecked();
    }
    return groups;
}

// A kind unticked leaves the list at once; ticked again, it comes back from
// the last search's events, or from a new search when that one left it out.
void FrmEventi::chkGruppi_Click()
{
    if (!AllFound && !Search.Running()) {
        return; // nothing searched to sift or to complete
    }
    const SkyEventGroups ticked = Ticked();
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (ticked[i] && !Asked[i]) {
            cmdCerca_Click();
            return;
        }
    }
    if (AllFound) {
        ShowFound();
    }
}

void FrmEventi::ShowFound()
{
    const SkyEventGroups ticked = Ticked();
    std::vector<SkyEvent> shown;
    std::copy_if(AllFound->begin(), AllFound->end(), std::back_inserter(shown),
                 [&ticked](const SkyEvent& event) { return ticked[static_cast<std::size_t>(GroupOf(event.type))]; });
    ShowEvents(shown);
    ShowMessage(shown.empty() ? EventsDialogText::NoEvents() : EventsDialogText::Found(shown.size()), false);
}

void FrmEventi::KeepChoices()
{
    Choices.kinds = Ticked();
    Choices.periodSeconds = PeriodToKeep(txtDal->dateTime(), txtAl->dateTime(), Choices.periodSeconds);
    WriteEventsDialogChoices(*OpenSettings(), Choices);
}

void FrmEventi::cmdAnnulla_Click()
{
    Search.Cancel();
    SearchEnded();
    ShowMessage(EventsDialogText::Cancelled(), false);
}

void FrmEventi::SearchEnded()
{
    cmdAnnulla->setEnabled(false);
    prgRicerca->setValue(0);
}

void FrmEventi::ShowMessage(const QString& text, bool wrong)
{
    lblMessaggio->setText(text);
    lblMessaggio->setStyleSheet(wrong ? QStringLiteral("color: #c00000;") : QString());
}

int FrmEventi::SelectedEvent() const
{
    const QList<QTableWidgetItem*> selected = tblEventi->selectedItems();
    for (const QTableWidgetItem* item : selected) {
        if (item->column() == DateColumn) {
            return item->data(kEventIndexRole).toInt();
        }
    }
    return -1;
}

QDateTime FrmEventi::ChosenMoment() const
{
    return MomentOfJulianDay(Chosen.julianDay);
}

void FrmEventi::cmdVai_Click()
{
    const int index = SelectedEvent();
    if (index < 0) {
        return;
    }
    Chosen = Shown[static_cast<std::size_t>(index)];
    accept();
}

void FrmEventi::cmdEsporta_Click()
{
    // The folder of the last export, while it is there.
    const bool kept = !Choices.exportFolder.isEmpty() && QDir(Choices.exportFolder).exists();
    const QString proposed = QDir(kept ? Choices.exportFolder : SaveFolder(QStandardPaths::DocumentsLocation))
                                 .filePath(EventsDialogText::ProposedFileName(txtDal->dateTime()));
    const QStringList types{EventsDialogText::CsvFilter(), EventsDialogText::ICalendarFilter()};
    const SaveFileAnswer answer = AskFileName(this, {EventsDialogText::ExportTitle(), proposed, types});
    if (answer.path.isEmpty()) {
        return;
    }
    // The type chosen decides what is written, whatever the name typed.
    const QString path = PathOfChosenType(answer, types);
    const QString failure = SaveSkyEvents(Shown, path, Now());
    if (!failure.isEmpty()) {
        ShowCriticalMessage(EventsDialogText::ExportFailed(QDir::toNativeSeparators(path), failure));
        return;
    }
    ShowMessage(EventsDialogText::Saved(Shown.size(), QDir::toNativeSeparators(path)), false);
    Choices.exportFolder = QFileInfo(path).absolutePath();
    KeepChoices();
}

void FrmEventi::done(int result)
{
    KeepChoices();
    Search.Cancel();
    Search.Wait();
    QDialog::done(result);
}
