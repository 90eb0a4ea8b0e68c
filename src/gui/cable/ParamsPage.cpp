#include "gui/cable/ParamsPage.h"

#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/materials/LineOrder.h"
#include "core/materials/PlanSummary.h"
#include "core/materials/ProjectFile.h"
#include "core/materials/ReopenedProject.h"
#include "core/settings/SettingsFile.h"
#include "core/wizard/Quantities.h"
#include "core/wizard/SurgeChoices.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/Guard.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TextCodec.h"
#include "gui/app/TypeAhead.h"
#include "gui/cable/LossPlot.h"
#include "gui/catalog/CheckNumericCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace tav::gui {

namespace {

// Insertion loss, efficiency, peak and average power are numbers, aligned to the right.
constexpr int kFirstNumberColumn = 2;
// The installed cost, shown after the evaluation's columns when the settings ask for it.
constexpr int kLineCostColumn = static_cast<int>(kGridColumns.size());

QComboBox* MakeCombo(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // The program completes only where it says so, and typed texts are not new entries.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(110);
    return box;
}

// The width a heading needs on at most two lines, broken at the space that leaves the
// longer line shortest.
int TwoLineWidth(const QFontMetrics& metrics, const QString& text)
{
    int best = metrics.horizontalAdvance(text);
    for (int at = text.indexOf(' '); at >= 0; at = text.indexOf(' ', at + 1))
        best = std::min(
            best, std::max(metrics.horizontalAdvance(text.left(at)), metrics.horizontalAdvance(text.mid(at + 1))));
    return best;
}

} // namespace

// The grid with the loss plot beside it. The plot gets at most two fifths of the row and
// only width the grid does not need to show every heading on one line, or where that
// leaves the plot too narrow, on two; it hides only when the row is too small to read it.
class GridRow : public QWidget
{
public:
    // What the grid needs with its headings on one line and on two.
    using Needs = std::function<int(bool oneLine)>;
    GridRow(QWidget* parent, Needs gridNeeds) : QWidget(parent), gridNeeds_(std::move(gridNeeds)) {}

    // The grid needs another width: share the row again.
    void Relayout()
    {
        if (grid_)
            Lay();
    }
    void Hold(QWidget* grid, QWidget* plot)
    {
        grid_ = grid;
        plot_ = plot;
        setSizePolicy(grid->sizePolicy());
        plot->hide();
    }
    QSize sizeHint() const override { return grid_->sizeHint(); }
    QSize minimumSizeHint() const override { return grid_->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        Lay();
    }

private:
    void Lay()
    {
        constexpr int kMinPlotWidth = 260, kMinPlotHeight = 150, kSpacing = 6;
        const int w = width(), h = height();
        int plotWidth = std::min(w - gridNeeds_(true) - kSpacing, w * 2 / 5);
        if (plotWidth < kMinPlotWidth)
            plotWidth = std::min(w - gridNeeds_(false) - kSpacing, w * 2 / 5);
        const bool fits = plotWidth >= kMinPlotWidth && h >= kMinPlotHeight;
        if (fits) {
            grid_->setGeometry(0, 0, w - plotWidth - kSpacing, h);
            plot_->setGeometry(w - plotWidth, 0, plotWidth, h);
        } else {
            grid_->setGeometry(0, 0, w, h);
        }
        plot_->setVisible(fits);
    }

    Needs gridNeeds_;
    QWidget* grid_ = nullptr;
    QWidget* plot_ = nullptr;
};

ParamsPage::ParamsPage(WizardState& state, Platform& platform, ImageLoader& images, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), images_(images)
{
    setObjectName("tsParams");
    BuildLayout();

    ConnectFrequencyBox(cboBeginning, &ParamsPage::cboBeginningChange);
    ConnectFrequencyBox(cboEnding, &ParamsPage::cboEndingChange);
    connect(rgCableType, &TRadioGroup::itemClicked, this, [this] { Guarded([this] { rgCableTypeClick(); }); });
    connect(cboDiameter, &QComboBox::currentTextChanged, this, [this] { Guarded([this] { cboDiameterChange(); }); });
    connect(grdTlines, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            Guarded([this] { grdTlinesRowChanged(); });
    });
    connect(grdTlines, &QTableWidget::cellClicked, this, [this] { grdTlinesClickCell(); });
    // The plot only follows the grid.
    connect(grdTlines, &QTableWidget::currentCellChanged, pltLoss, [this](int row) { pltLoss->SetCurrentRow(row); });
    // A click beside the rows clears the highlight, while the cable stays chosen.
    connect(grdTlines->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { KeepCableRowSelected(); });
    connect(chkCableOnly, &QCheckBox::toggled, this, [this] { Guarded([this] { chkCableOnlyClick(); }); });
    connect(cboCableList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { Guarded([this] { cboCableListChange(); }); });
    connect(cboCableList, &QComboBox::activated, this, [this] { Guarded([this] { cboCableListChange(); }); });
    cableTypeAhead_ = new TypeAhead(cboCableList);
    grdTlines->viewport()->installEventFilter(this);
    connect(seHorizontalLength, &QDoubleSpinBox::valueChanged, this, &ParamsPage::lengthChanged);
    connect(seVerticalLength, &QDoubleSpinBox::valueChanged, this, &ParamsPage::lengthChanged);
    connect(rbFeet, &QRadioButton::clicked, this, [this] { emit unitClicked(false); });
    connect(rbMeters, &QRadioButton::clicked, this, [this] { emit unitClicked(true); });
    connect(seNumRuns, &QSpinBox::valueChanged, this, [this] { Guarded([this] { seNumRunsChange(); }); });
    connect(btnListNow, &QPushButton::clicked, this, &ParamsPage::listNowClicked);
}

void ParamsPage::BuildLayout()
{
    auto* page = new QVBoxLayout(this);
    auto* heading = new QLabel("Cable Information:", this);
    heading->setObjectName("lblParamsHeading");
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.4);
    heading->setFont(hf);
    page->addWidget(heading);

    auto* top = new QHBoxLayout;
    page->addLayout(top);

    auto* frequencies = new QGroupBox("Frequencies:", this);
    frequencies->setObjectName("gbFrequencies");
    auto* fl = new QFormLayout(frequencies);
    cboBeginning = MakeCombo(frequencies, "cboBeginning");
    cboEnding = MakeCombo(frequencies, "cboEnding");
    fl->addRow("Beginning Frequency (MHz):", cboBeginning);
    fl->addRow("Ending Frequency (MHz):", cboEnding);

    rgCableType = new TRadioGroup(
        "rgCableType",
        "Cable Type:", {FromData(CableTypeName(0)), FromData(CableTypeName(1)), FromData(CableTypeName(2))}, this);
    rgCableType->SetItemIndex(1);

    auto* left = new QVBoxLayout;
    left->addWidget(frequencies);
    left->addWidget(rgCableType);
    top->addLayout(left);

    auto* size = new QGroupBox("Size Information:", this);
    size->setObjectName("gbSize");
    auto* sl = new QGridLayout(size);
    cboDiameter = MakeCombo(size, "cboDiameter");
    seHorizontalLength = new DecimalSpinEdit("seHorizontalLength", 15, size);
    seVerticalLength = new DecimalSpinEdit("seVerticalLength", 100, size);
    rbFeet = new QRadioButton("Feet", size);
    rbFeet->setObjectName("rbFeet");
    rbFeet->setChecked(true);
    rbMeters = new QRadioButton("Meters", size);
    rbMeters->setObjectName("rbMeters");
    seNumRuns = new QSpinBox(size);
    seNumRuns->setObjectName("seNumRuns");
    seNumRuns->setRange(0, 9999);
    seNumRuns->setValue(3);
    // Arrows only: the number of runs is never typed, so nothing in it looks typeable
    // (no caret, no highlighted text to type over, the window's colour behind the number
    // rather than a text box's), and a typed key beeps.
    QLineEdit* runsText = seNumRuns->findChild<QLineEdit*>();
    runsText->setReadOnly(true);
    QPalette runsLook = seNumRuns->palette();
    runsLook.setColor(QPalette::Base, runsLook.color(QPalette::Window));
    seNumRuns->setPalette(runsLook);
    const QString runsHint = "Use the arrows (or the Up and Down keys) to change the number of runs.";
    seNumRuns->setToolTip(runsHint);
    seNumRuns->setStatusTip(runsHint);
    seNumRuns->installEventFilter(this);
    connect(runsText, &QLineEdit::selectionChanged, runsText, [runsText] {
        if (runsText->hasSelectedText())
            runsText->deselect();
    });
    sl->addWidget(new QLabel("Cable Diameter:", size), 0, 0);
    sl->addWidget(cboDiameter, 0, 1);
    sl->addWidget(new QLabel("Horizontal Length:", size), 1, 0);
    sl->addWidget(seHorizontalLength, 1, 1);
    sl->addWidget(new QLabel("Vertical Length:", size), 2, 0);
    sl->addWidget(seVerticalLength, 2, 1);
    auto* units = new QHBoxLayout;
    units->addWidget(rbFeet);
    units->addWidget(rbMeters);
    sl->addLayout(units, 3, 1);
    sl->addWidget(new QLabel("Number of runs:", size), 4, 0);
    sl->addWidget(seNumRuns, 4, 1);
    top->addWidget(size);

    auto* right = new QVBoxLayout;
    auto* specific = new QGroupBox(this);
    specific->setObjectName("gbSpecificCable");
    auto* spl = new QVBoxLayout(specific);
    chkCableOnly = new QCheckBox("Select a specific cable:", specific);
    chkCableOnly->setObjectName("chkCableOnly");
    cboCableList = MakeCombo(specific, "cboCableList");
    cboCableList->setEnabled(false);
    spl->addWidget(chkCableOnly);
    spl->addWidget(cboCableList);
    right->addWidget(specific);
    imgCable = new TImage("imgCable", this);
    imgCable->setMinimumSize(200, 120);
    right->addWidget(imgCable, 1);
    lblTlinePN = new QLabel("Tline Part Number", this);
    lblTlinePN->setObjectName("lblTlinePN");
    lblTlinePN->setAlignment(Qt::AlignCenter);
    lblTlinePN->setStyleSheet("color: blue; font-weight: bold;");
    right->addWidget(lblTlinePN);
    btnListNow = new QPushButton("&Skip The Wizard", this);
    btnListNow->setObjectName("btnListNow");
    const QString listHint = "Skip the wizard and just pick your accessories from a list.";
    btnListNow->setToolTip(listHint);
    btnListNow->setStatusTip(listHint);
    right->addWidget(btnListNow);
    top->addLayout(right);

    auto* gridRow = new GridRow(this, [this](bool oneLine) {
        int needs = 0;
        for (size_t c = 0; c < static_cast<size_t>(grdTlines->columnCount()); ++c)
            needs += std::max(ColumnNeeds(c), oneLine ? oneLineWidths_[c] : 0);
        return needs + 2 * grdTlines->frameWidth() + grdTlines->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    });
    gridRow_ = gridRow;
    // The cost column is added only while the settings show it.
    grdTlines = new QTableWidget(0, kLineCostColumn, gridRow);
    grdTlines->setObjectName("grdTlines");
    QStringList headings;
    for (const char* heading : kGridColumns)
        headings << heading;
    grdTlines->setHorizontalHeaderLabels(headings);
    grdTlines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTlines->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTlines->setSelectionMode(QAbstractItemView::SingleSelection);
    // One Tab into the grid and one out of it; the arrows move between rows.
    grdTlines->setTabKeyNavigation(false);
    grdTlines->verticalHeader()->setVisible(false);
    grdTlines->verticalHeader()->setDefaultSectionSize(25);
    // Every heading readable, on two lines where the row is narrow, so the loss plot keeps
    // its place beside the grid; the columns share whatever width is left (ShareGridWidth).
    QHeaderView* header = grdTlines->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    const QFontMetrics metrics(header->font());
    header->setFixedHeight(2 * metrics.lineSpacing() + 12);
    QStringList allHeadings = headings;
    allHeadings << kLineCostHeading;
    for (const QString& heading : allHeadings) {
        // The header draws a heading with a few pixels of margin either side.
        constexpr int kHeadingMargins = 16;
        headingWidths_.push_back(TwoLineWidth(metrics, heading) + kHeadingMargins);
        oneLineWidths_.push_back(metrics.horizontalAdvance(heading) + kHeadingMargins);
    }
    cellWidths_.assign(headingWidths_.size(), 0);
    for (int c = 0; c < grdTlines->columnCount(); ++c)
        header->resizeSection(c, headingWidths_[static_cast<size_t>(c)]);
    header->setStretchLastSection(false);
    pltLoss = new LossPlot(gridRow);
    gridRow->Hold(grdTlines, pltLoss);
    page->addWidget(gridRow, 1);

    lblNoLines = new QLabel(grdTlines->viewport());
    lblNoLines->setObjectName("lblNoLines");
    lblNoLines->setAlignment(Qt::AlignCenter);
    lblNoLines->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* empty = new QVBoxLayout(grdTlines->viewport());
    empty->addWidget(lblNoLines, 0, Qt::AlignCenter);
    ShowRows({});
}

void ParamsPage::ConnectFrequencyBox(QComboBox* box, void (ParamsPage::*handler)())
{
    // A typed frequency applies once the typing is done (Enter, or the focus leaving the
    // box): applied at every keystroke, "9" on the way to "960" would throw the other box
    // away. A pick from the list applies at once.
    const auto apply = [this, box, handler] {
        typing_.remove(box);
        Guarded([this, handler] { (this->*handler)(); });
    };
    connect(box, &QComboBox::activated, this, apply);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] { typing_.insert(box); });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box, apply] {
        if (typing_.contains(box))
            apply();
    });
}

int ParamsPage::ColumnNeeds(size_t column) const
{
    return std::max(headingWidths_[column], cellWidths_[column]);
}

void ParamsPage::ShareGridWidth()
{
    const int columns = grdTlines->columnCount();
    int natural = 0;
    for (int c = 0; c < columns; ++c)
        natural += ColumnNeeds(static_cast<size_t>(c));
    const int extra = std::max(0, grdTlines->viewport()->width() - natural);
    QHeaderView* header = grdTlines->horizontalHeader();
    for (int c = 0; c < columns; ++c)
        header->resizeSection(c, ColumnNeeds(static_cast<size_t>(c)) + extra / columns + (c < extra % columns ? 1 : 0));
}

template <typename F> void ParamsPage::Guarded(F&& handler)
{
    RunGuarded(platform_.boxes, window(), std::forward<F>(handler));
}

bool ParamsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdTlines->viewport() && event->type() == QEvent::Resize)
        ShareGridWidth();
    if (watched == seNumRuns && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            platform_.sounds.Beep();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<Band> ParamsPage::CurrentBand() const
{
    const auto beginning = TryStrToFloat(ToData(cboBeginning->currentText()));
    const auto ending = TryStrToFloat(ToData(cboEnding->currentText()));
    if (!beginning || !ending)
        return std::nullopt;
    return Band{*beginning, *ending};
}

bool ParamsPage::Waveguide() const
{
    return rgCableType->ItemIndex() == kWaveguideItem;
}

double ParamsPage::TotalLength() const
{
    return seHorizontalLength->value() + seVerticalLength->value();
}

bool ParamsPage::CableChosen() const
{
    return rgCableType->ItemIndex() >= 0 && !state_.cablePart.empty();
}

bool ParamsPage::SpecificCable() const
{
    return chkCableOnly->isChecked();
}

QString ParamsPage::HorizontalLengthText() const
{
    return seHorizontalLength->cleanText();
}

QString ParamsPage::VerticalLengthText() const
{
    return seVerticalLength->cleanText();
}

int ParamsPage::RunsShown() const
{
    return seNumRuns->value();
}

void ParamsPage::OfferSkipWizard(bool offered)
{
    btnListNow->setEnabled(offered);
}

ParamsPage::Run ParamsPage::RunOf(std::string_view horizontal, std::string_view vertical, std::string_view runs) const
{
    return Run{seHorizontalLength->ValueOf(horizontal), seVerticalLength->ValueOf(vertical),
               IntegerFor(seNumRuns, runs)};
}

void ParamsPage::ShowRun(const Run& run)
{
    seHorizontalLength->setValue(run.horizontalLength);
    seVerticalLength->setValue(run.verticalLength);
    seNumRuns->setValue(run.runs);
    state_.runsCount = run.runs;
}

void ParamsPage::ShowCableDiameter()
{
    SetComboTextSilently(cboDiameter, FromData(state_.cableDiameter));
    cboDiameterChange();
}

void ParamsPage::ApplyCableSetting(bool specific, int typeIndex, const QString& partNumber)
{
    chkCableOnly->setChecked(specific);
    if (chkCableOnly->isChecked())
        ApplyCablePreset(typeIndex, partNumber);
}

void ParamsPage::ShowUnit(bool meters)
{
    const QSignalBlocker b1(rbFeet), b2(rbMeters);
    (meters ? rbMeters : rbFeet)->setChecked(true);
}

void ParamsPage::LoadFrequencyLists()
{
    const FrequencyLists lists = BuildFrequencyLists(state_.lists.tlines);
    state_.beginningFrequencies = lists.beginning;
    state_.endingFrequencies = lists.ending;
    FillComboSilently(cboBeginning, lists.beginning, 0);
    FillComboSilently(cboEnding, lists.ending, 0);
    UpdateCableTypes();
}

void ParamsPage::CheckBand(QComboBox* box)
{
    const CableChoice shown{rgCableType->ItemIndex(), cboDiameter->currentText()};
    if (!CheckNumericCombo(box, platform_) && !beforeMistype_ && shown.type >= 0)
        beforeMistype_ = shown;
}

void ParamsPage::cboBeginningChange()
{
    const QString ending = cboEnding->currentText();
    CheckBand(cboBeginning);
    // An emptied box filters nothing; the band it leaves covers no line.
    const FrequencyChoices choices =
        EndingsForBeginning(state_.endingFrequencies, ToData(cboBeginning->currentText()), ToData(ending));
    FillComboSilently(cboEnding, choices.entries, choices.selected);
    UpdateCableTypes();
}

void ParamsPage::cboEndingChange()
{
    const QString beginning = cboBeginning->currentText();
    CheckBand(cboEnding);
    const FrequencyChoices choices =
        BeginningsForEnding(state_.beginningFrequencies, ToData(beginning), ToData(cboEnding->currentText()));
    FillComboSilently(cboBeginning, choices.entries, choices.selected);
    UpdateCableTypes();
}

void ParamsPage::rgCableTypeClick()
{
    beforeMistype_.reset();
    if (chkCableOnly->isChecked())
        LoadTlineCombo();
    else
        UpdateCableTypes();
}

void ParamsPage::UpdateCableTypes()
{
    std::array<bool, kCableTypeCount> available{};
    if (const auto band = CurrentBand())
        available = AvailableTypes(state_.lists.tlines, *band, &state_.lists.tlineIndex);
    for (int i = 0; i < kCableTypeCount; ++i)
        rgCableType->SetItemEnabled(i, available[i]);
    int wanted = rgCableType->ItemIndex();
    if (beforeMistype_ && available[static_cast<size_t>(beforeMistype_->type)])
        wanted = beforeMistype_->type;
    const int type = TypeForBand(available, wanted);
    if (type != rgCableType->ItemIndex())
        rgCableType->SetItemIndex(type);
    LoadDiameters();
}

void ParamsPage::LoadDiameters()
{
    const QString diameter = cboDiameter->currentText();
    QStringList diameters;
    if (const auto band = CurrentBand())
        diameters = FromDataLines(
            Diameters(state_.lists.tlines, *band, CableTypeCode(rgCableType->ItemIndex()), &state_.lists.tlineIndex));
    // The diameter stays when the new list offers it.
    int keep = IndexOfNoCase(diameters, diameter);
    const bool wantedType = beforeMistype_ && rgCableType->ItemIndex() == beforeMistype_->type;
    if (const int wanted = wantedType ? IndexOfNoCase(diameters, beforeMistype_->diameter) : -1; wanted >= 0) {
        keep = wanted;
        beforeMistype_.reset();
    }
    FillComboSilently(cboDiameter, diameters, keep >= 0 ? keep : 0);
    EvaluateLines();
}

void ParamsPage::cboDiameterChange()
{
    beforeMistype_.reset();
    EvaluateLines();
}

void ParamsPage::EvaluateLines()
{
    const int savedRow = state_.keepRow ? grdTlines->currentRow() : 0;
    {
        const GuardScope filling(state_.filling);
        ShowRows({});
        std::vector<Candidate> candidates;
        EvaluationInputs inputs;
        if (const auto band = CurrentBand()) {
            inputs = {band->beginning, band->ending, TotalLength(), state_.meters, Waveguide()};
            try {
                candidates =
                    EvaluateCandidateLines(state_.lists.tlines, inputs, CableTypeCode(rgCableType->ItemIndex()),
                                           ToData(cboDiameter->currentText()), &state_.lists.tlineIndex);
            } catch (...) {
                // The grid stays empty, so no cable may stay selected either.
                ClearCable();
                ShowSelectedCable();
                throw;
            }
        }
        ShowCandidates(candidates, inputs);
        if (state_.keepRow && !candidates.empty()) {
            const int row = std::clamp(savedRow, 0, static_cast<int>(candidates.size()) - 1);
            grdTlines->setCurrentCell(row, 0);
            grdTlines->selectRow(row);
        }
    }
    SelectCable(CurrentRowPart());
    ShowSelectedCable();
    ShowLineCosts();
}

void ParamsPage::ShowCandidates(const std::vector<Candidate>& candidates, const EvaluationInputs& inputs)
{
    std::vector<std::string> rows, lines;
    for (const Candidate& c : candidates) {
        rows.push_back(c.row);
        lines.emplace_back(state_.lists.tlines[c.line]);
    }
    if (!candidates.empty())
        pltLoss->Plot(std::move(lines), inputs);
    ShowRows(rows);
    if (rows.empty() && CurrentBand())
        ShowNoLines(NoLinesText());
}

QString ParamsPage::NoLinesText() const
{
    const QString band = cboBeginning->currentText() + " - " + cboEnding->currentText() + " MHz";
    const QString diameter = cboDiameter->currentText();
    if (rgCableType->ItemIndex() < 0 || diameter.isEmpty())
        return "No line covers " + band;
    return "No " + rgCableType->Button(rgCableType->ItemIndex())->text() + " line of " + diameter + " covers " + band;
}

void ParamsPage::ShowNoLines(const QString& text)
{
    lblNoLines->setText(text);
    lblNoLines->setVisible(!text.isEmpty());
}

void ParamsPage::ShowRows(const std::vector<std::string>& rows)
{
    grdTlines->setUpdatesEnabled(false);
    grdTlines->clearContents();
    grdTlines->setRowCount(static_cast<int>(rows.size()));
    rowParts_.clear();
    QFont bold = grdTlines->font();
    bold.setBold(true);
    const QColor rowColour = palette().color(QPalette::Base);
    const QFontMetrics normalMetrics(grdTlines->font()), boldMetrics(bold);
    std::fill(cellWidths_.begin(), cellWidths_.begin() + kLineCostColumn, 0);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        rowParts_.push_back(GetField(rows[r], 1));
        for (int c = 0; c < kLineCostColumn; ++c) {
            const QString text = FromData(GetFieldView(rows[r], c + 1));
            int& widest = cellWidths_[static_cast<size_t>(c)];
            widest = std::max(widest, (c == 0 ? boldMetrics : normalMetrics).horizontalAdvance(text) + 12);
            auto* item = new QTableWidgetItem(text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(rowColour);
            if (c == 0)
                item->setFont(bold);
            if (c >= kFirstNumberColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdTlines->setItem(r, c, item);
        }
    }
    // An empty grid shows the menu colour, a filled one the window colour.
    QPalette p = grdTlines->palette();
    p.setColor(QPalette::Base, rows.empty() ? palette().color(QPalette::Window) : rowColour);
    grdTlines->setPalette(p);
    if (!rows.empty()) {
        grdTlines->setCurrentCell(0, 0);
        grdTlines->selectRow(0);
    } else {
        pltLoss->Clear();
    }
    ShowNoLines(QString());
    // Longer cells than before may leave the plot less room.
    gridRow_->Relayout();
    ShareGridWidth();
    grdTlines->setUpdatesEnabled(true);
}

void ParamsPage::ShowLineCosts()
{
    SettingsFile settings(state_.folders.data);
    const bool shown = settings.Get(keys::LineCost);
    if ((grdTlines->columnCount() > kLineCostColumn) != shown) {
        grdTlines->setColumnCount(shown ? kLineCostColumn + 1 : kLineCostColumn);
        if (shown)
            grdTlines->setHorizontalHeaderItem(kLineCostColumn, new QTableWidgetItem(kLineCostHeading));
        ShareGridWidth();
        gridRow_->Relayout();
    }
    QStringList costs;
    int& widestCost = cellWidths_[kLineCostColumn];
    widestCost = 0;
    if (shown && !rowParts_.empty()) {
        // advanced.dat is read once for the whole grid; a missing one overrides nothing.
        const std::string overrides =
            ReadFileBytes(WithTrailingSlash(state_.folders.data) + kAdvancedFileName).value_or(std::string());
        const LineRun run{seHorizontalLength->value(), seVerticalLength->value(), state_.meters, state_.runsCount,
                          settings.Get(keys::LineWaste)};
        const QColor rowColour = palette().color(QPalette::Base);
        for (int r = 0; r < static_cast<int>(rowParts_.size()); ++r) {
            const std::string& part = rowParts_[static_cast<size_t>(r)];
            const LineOrderItem order =
                OrderLine(run, part, state_.lists.priceIndex.Record(state_.lists.price, part), overrides);
            costs << FromData(order.costText);
            widestCost = std::max(widestCost, grdTlines->fontMetrics().horizontalAdvance(costs.back()) + 12);
            auto* item = new QTableWidgetItem(costs.back());
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(rowColour);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdTlines->setItem(r, kLineCostColumn, item);
        }
    }
    pltLoss->SetLineCosts(costs);
    gridRow_->Relayout();
    ShareGridWidth();
}

void ParamsPage::KeepCableRowSelected()
{
    const int row = grdTlines->currentRow();
    if (state_.filling || state_.cablePart.empty() || row < 0)
        return;
    if (!grdTlines->selectionModel()->isRowSelected(row, QModelIndex()))
        grdTlines->selectRow(row);
}

QString ParamsPage::CurrentRowPart() const
{
    const int row = grdTlines->currentRow();
    const QTableWidgetItem* item = row >= 0 ? grdTlines->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

void ParamsPage::ClearCable()
{
    state_.cableKey.clear();
    state_.cableDiameter.clear();
    state_.cablePart.clear();
}

void ParamsPage::SelectCable(const QString& partNumber)
{
    const auto cable = partNumber.isEmpty() ? std::nullopt : FindCable(state_.lists.tlines, ToData(partNumber));
    if (!cable) {
        ClearCable();
        return;
    }
    state_.cableKey = cable->cableKey;
    state_.cableDiameter = cable->diameter;
    state_.cablePart = cable->partNumber;
}

void ParamsPage::ShowSelectedCable()
{
    const QString part = state_.cablePart.empty() ? QString() : CurrentRowPart();
    lblTlinePN->setText(part);
    if (chkCableOnly->isChecked()) {
        // The user is typing here; only a completed name replaces the text.
        if (!part.isEmpty() && cboCableList->currentText().compare(part, Qt::CaseInsensitive) != 0)
            SetComboTextSilently(cboCableList, part);
    } else {
        SetComboTextSilently(cboCableList, part);
    }
    if (state_.cablePart.empty())
        imgCable->SetPicture(QPixmap(), QString());
    else
        images_.LoadImage(imgCable, FromData(CablePicture(state_.lists.tlines, state_.cableKey)), true);
    emit cableShown();
}

void ParamsPage::grdTlinesRowChanged()
{
    if (state_.filling)
        return;
    SelectCable(CurrentRowPart());
    ShowSelectedCable();
    if (grdTlines->currentRow() >= 0)
        grdTlines->selectRow(grdTlines->currentRow());
}

void ParamsPage::grdTlinesClickCell()
{
    if (!state_.filling && grdTlines->currentRow() >= 0)
        grdTlines->selectRow(grdTlines->currentRow());
}

bool ParamsPage::SelectGridRow(const QString& partNumber)
{
    for (int r = 0; r < grdTlines->rowCount(); ++r) {
        if (grdTlines->item(r, 0) && grdTlines->item(r, 0)->text() == partNumber) {
            grdTlines->setCurrentCell(r, 0);
            grdTlines->selectRow(r);
            return true;
        }
    }
    return false;
}

void ParamsPage::chkCableOnlyClick()
{
    beforeMistype_.reset();
    const bool specific = chkCableOnly->isChecked();
    {
        // The named cable stays in the box, so entering the mode keeps the cable shown.
        const QString named = cboCableList->currentText();
        FillComboSilently(cboCableList, QStringList(), -1);
        SetComboTextSilently(cboCableList, named);
    }
    cboBeginning->setEnabled(!specific);
    cboEnding->setEnabled(!specific);
    cboDiameter->setEnabled(!specific);
    cboCableList->setEnabled(specific);
    if (specific) {
        LoadTlineCombo();
        for (int i = 0; i < kCableTypeCount; ++i)
            rgCableType->SetItemEnabled(i, true);
    } else {
        LoadFrequencyLists();
        emit specificModeLeft();
    }
}

void ParamsPage::LoadTlineCombo()
{
    const QString named = cboCableList->currentText();
    const QStringList parts =
        FromDataLines(PartNumbersOfType(state_.lists.tlines, CableTypeCode(rgCableType->ItemIndex())));
    const int keep = IndexOfNoCase(parts, named);
    FillComboSilently(cboCableList, parts, keep >= 0 ? keep : 0);
    cboCableListChange();
}

void ParamsPage::cboCableListChange()
{
    if (!cboCableList->isEnabled())
        return;
    cableTypeAhead_->Complete();
    QLineEdit* edit = cboCableList->lineEdit();

    const auto noCable = [this](const QString& placeholder) {
        {
            const GuardScope filling(state_.filling);
            ShowRows({});
            ShowNoLines(placeholder);
        }
        ClearCable();
        ShowSelectedCable();
    };
    const auto cable = FindCable(state_.lists.tlines, ToData(edit->text()));
    if (!cable) {
        // A text that names no line: no cable, no row, nothing stale.
        noCable(edit->text().isEmpty() ? QString() : "No line is named " + edit->text());
        return;
    }
    const std::string_view line = state_.lists.tlines[cable->index];
    state_.cableKey = cable->cableKey;
    state_.cableDiameter = cable->diameter;
    SetComboTextSilently(cboBeginning, FromData(GetFieldView(line, 3)));
    SetComboTextSilently(cboEnding, FromData(GetFieldView(line, 4)));
    SetComboTextSilently(cboDiameter, FromData(GetFieldView(line, 6)));

    std::string row;
    try {
        // Evaluated over its own band, with the current lengths and unit.
        const EvaluationInputs inputs = NamingPlace(
            [&] {
                return EvaluationInputs{StrToFloat(GetFieldView(line, 3)), StrToFloat(GetFieldView(line, 4)),
                                        TotalLength(), state_.meters, Waveguide()};
            },
            state_.lists.tlines);
        row = NamingPlace([&] { return EvaluateLine(line, inputs); }, state_.lists.tlines);
        pltLoss->Plot({std::string(line)}, inputs);
    } catch (...) {
        // The grid still shows the cable named before; no cable may stay selected behind it.
        noCable(QString());
        throw;
    }
    {
        const GuardScope filling(state_.filling);
        ShowRows({row});
    }
    SelectCable(CurrentRowPart());
    ShowSelectedCable();
    ShowLineCosts();
}

void ParamsPage::ApplyCablePreset(int typeIndex, const QString& partNumber)
{
    if (typeIndex >= 0 && typeIndex < kCableTypeCount) {
        rgCableType->SetItemIndex(typeIndex);
        rgCableTypeClick();
    }
    const int index = FindEntryNoCase(cboCableList, partNumber);
    {
        const QSignalBlocker block(cboCableList);
        cboCableList->setCurrentIndex(index >= 0 ? index : 0);
        cboCableList->setEditText(cboCableList->currentText());
    }
    cboCableListChange();
}

void ParamsPage::seNumRunsChange()
{
    state_.runsCount = seNumRuns->value();
    // The runs do not change the loss, only what the lines would cost.
    ShowLineCosts();
}

PlanSummary ParamsPage::PlanShown() const
{
    const ProjectInputs in = SavedInputs();
    PlanSummary plan;
    plan.cableKey = in.tline;
    plan.partNumber = state_.cablePart;
    plan.beginning = in.beginning;
    plan.ending = in.ending;
    plan.horizontalLength = in.horizontalLength;
    plan.verticalLength = in.verticalLength;
    plan.meters = !in.feet;
    plan.runs = in.numRuns;
    const int row = grdTlines->currentRow();
    if (!state_.cablePart.empty() && row >= 0 && grdTlines->item(row, 0)) {
        plan.insertionLoss = ToData(grdTlines->item(row, 2)->text());
        plan.efficiency = ToData(grdTlines->item(row, 3)->text());
        plan.averagePower = ToData(grdTlines->item(row, 5)->text());
    }
    return plan;
}

tav::QuantityInputs ParamsPage::QuantityInputs() const
{
    tav::QuantityInputs in;
    in.dataFolder = state_.folders.data;
    in.horizontalLength = seHorizontalLength->value();
    in.verticalLength = seVerticalLength->value();
    in.meters = state_.meters;
    in.runsCount = state_.runsCount;
    in.cableKey = state_.cableKey;
    in.diameter = ToData(cboDiameter->currentText());
    return in;
}

Band ParamsPage::BandShown() const
{
    return ParseBand(ToData(cboBeginning->currentText()), ToData(cboEnding->currentText()));
}

ListSource ParamsPage::ListSourceShown() const
{
    return ListSource{state_.cableKey, rgCableType->ItemIndex(), ToData(cboBeginning->currentText()),
                      ToData(cboEnding->currentText()), state_.cablePart};
}

ProjectInputs ParamsPage::SavedInputs() const
{
    ProjectInputs in;
    in.tline = state_.cableKey;
    in.numRuns = state_.runsCount;
    in.beginning = ToData(cboBeginning->currentText());
    in.ending = ToData(cboEnding->currentText());
    in.horizontalLength = ToData(seHorizontalLength->cleanText());
    in.verticalLength = ToData(seVerticalLength->cleanText());
    in.size = ToData(cboDiameter->currentText());
    in.cableType = rgCableType->ItemIndex();
    in.feet = !state_.meters;
    return in;
}

void ParamsPage::ShowOpenedPage(const OpenedCablePage& page)
{
    beforeMistype_.reset();
    {
        const QSignalBlocker b1(seHorizontalLength), b2(seVerticalLength), b3(seNumRuns);
        seHorizontalLength->setValue(page.horizontalLength);
        seVerticalLength->setValue(page.verticalLength);
        // A count the box cannot show is brought into its range, and the runs follow the box.
        seNumRuns->setValue(std::clamp(page.numRuns, seNumRuns->minimum(), seNumRuns->maximum()));
        state_.runsCount = seNumRuns->value();
    }
    const auto indexOf = [](const std::vector<std::string>& entries, const std::string& text) {
        const auto it = std::find(entries.begin(), entries.end(), text);
        return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
    };
    FillComboSilently(cboBeginning, page.beginnings, indexOf(page.beginnings, page.beginning));
    SetComboTextSilently(cboBeginning, FromData(page.beginning));
    FillComboSilently(cboEnding, page.endings, indexOf(page.endings, page.ending));
    for (int i = 0; i < kCableTypeCount; ++i)
        rgCableType->SetItemEnabled(i, page.typesOffered[static_cast<size_t>(i)]);
    rgCableType->SetItemIndex(page.cableType);
    FillComboSilently(cboDiameter, page.diameters, indexOf(page.diameters, page.diameter));
    {
        const GuardScope filling(state_.filling);
        ShowCandidates(page.lines, page.evaluation);
        if (page.currentRow >= 0) {
            grdTlines->setCurrentCell(page.currentRow, 0);
            grdTlines->selectRow(page.currentRow);
        }
    }
    SelectCable(CurrentRowPart());
    ShowSelectedCable();
    state_.cableKey = page.cableKey;
    // The costs are no part of the project: one that cannot be shown stops nothing else.
    Guarded([this] { ShowLineCosts(); });
}

} // namespace tav::gui
