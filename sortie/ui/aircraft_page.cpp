#include "sortie/ui/aircraft_page.h"

#include "sortie/ui/loadout_panel.h"
#include "sortie/ui/number_box.h"
#include "sortie/ui/option_board.h"
#include "sortie/ui/save_load_panel.h"
#include "sortie/ui/twips.h"
#include "ui_support/click_label.h"
#include "ui_support/list_choice.h"
#include "ui_support/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

QStringList captions(const std::vector<std::string>& texts) {
    QStringList list;
    for (const auto& t : texts)
        list << uisupport::fromGameBytes(t);
    return list;
}

template <std::size_t N> QStringList captions(const std::array<std::string, N>& texts) {
    return captions(std::vector<std::string>(texts.begin(), texts.end()));
}

uisupport::ClickLabel* actionLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new uisupport::ClickLabel(QString::fromLatin1(name), caption, parent);
    label->setStyleSheet(
        u"QLabel { color: #000080; font-weight: bold; border: 1px solid #8090B0; padding: 2px 6px;"
        " background: #F0F4FF; }"_s);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

void setIfDifferent(QLineEdit* edit, const std::string& text) {
    const QString q = uisupport::fromGameBytes(text);
    if (edit->text() != q) {
        const QSignalBlocker block(edit);
        edit->setText(q);
    }
}

// Holds the option board at the largest size that keeps its shape, and the panels that lie over it.
class BoardFrame final : public QWidget {
  public:
    BoardFrame(QWidget* parent, std::function<void(QRect)> placeOverBoard)
        : QWidget(parent), placeOverBoard_(std::move(placeOverBoard)) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void setBoard(OptionBoard* board) {
        board_ = board;
        setMinimumSize(board->designSize() / 2);
    }
    QSize sizeHint() const override { return board_ ? board_->designSize() : QSize(); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (!board_)
            return;
        const QSize design = board_->designSize();
        const QSize fitted = design.scaled(size(), Qt::KeepAspectRatio);
        board_->setGeometry(QRect(QPoint(0, 0), fitted));
        placeOverBoard_(board_->geometry());
    }

  private:
    OptionBoard* board_ = nullptr;
    std::function<void(QRect)> placeOverBoard_;
};

} // namespace

AircraftPage::AircraftPage(MissionBuilder& model, QWidget* parent) : QFrame(parent), model_(model) {
    setObjectName(u"Frame2"_s);
    auto* boardFrame = new BoardFrame(this, [this](QRect b) {
        saveLoad_->setGeometry(b.adjusted(40, 40, -40, -40));
        loadout_->setGeometry(b.adjusted(60, 40, -60, -40));
    });
    board_ = new OptionBoard(model_, boardFrame);
    connect(board_, &OptionBoard::changed, this, &AircraftPage::changed);

    saveLoad_ = new SaveLoadPanel(model_, boardFrame);
    connect(saveLoad_, &SaveLoadPanel::changed, this, &AircraftPage::changed);
    saveLoad_->hide();
    connect(saveLoad_, &SaveLoadPanel::fly, this, &AircraftPage::fly);

    loadout_ = new LoadoutPanel(model_, boardFrame);
    connect(loadout_, &LoadoutPanel::changed, this, &AircraftPage::changed);
    connect(loadout_, &LoadoutPanel::fly, this, &AircraftPage::fly);
    loadout_->hide();
    boardFrame->setBoard(board_);

    // The board takes what the side panel leaves; its captions keep their place while hidden.
    auto* captions = new QHBoxLayout();
    for (QLabel* label : {board_->Label20(), board_->Label11()}) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        label->setSizePolicy(policy);
        label->setMinimumHeight(px(400));
        captions->addWidget(label, 1);
    }
    auto* left = new QVBoxLayout();
    left->addWidget(boardFrame, 1);
    left->addLayout(captions);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(left, 1);
    layout->addWidget(buildSidePanel());
}

AircraftPage::~AircraftPage() = default;

// Two columns: roles, nation and option groups on the left; the aircraft list and the mission summary
// on the right; the page's action labels below both.
QWidget* AircraftPage::buildSidePanel() {
    auto* side = new QWidget(this);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    // Roles: the role button, the plane index and the plane's name.
    auto* roles = new QGridLayout();
    roles_ = makeButtons(side, u"Plane"_s, captions(model_.mission().catalog().roleCaptions), [this](int i) {
        model_.board().selectRole(i);
        emit changed();
    });
    for (int r = 0; r < kRoleCount; ++r) {
        roles->addWidget(roles_->button(r), r, 0);
        auto* edit = new QLineEdit(side);
        edit->setObjectName(u"Text1"_s);
        edit->setProperty("index", r);
        edit->setFixedWidth(40);
        takeNumbers(edit, {[this, r](const std::string& t) { return model_.board().setRolePlane(r, t); },
                           [this, r] { return model_.choices().rolePlanes[static_cast<std::size_t>(r)]; },
                           [this] { emit changed(); }, [this] { model_.mission().endTyping(); }});
        roles->addWidget(edit, r, 1);
        auto* name = new QLabel(side);
        name->setObjectName(u"Label1"_s);
        name->setProperty("index", r);
        name->setMinimumWidth(150);
        roles->addWidget(name, r, 2);
        rolePlanes_[static_cast<std::size_t>(r)] = edit;
        rolePlaneNames_[static_cast<std::size_t>(r)] = name;
    }
    roles->setColumnStretch(2, 1);

    auto* numbers = new QHBoxLayout();
    numbers->addWidget(new QLabel(u"Number(1 to 12)"_s, side));
    aircraftCount_ = new QLineEdit(side);
    aircraftCount_->setObjectName(u"Text5"_s);
    aircraftCount_->setFixedWidth(40);
    takeNumbers(aircraftCount_, {[this](const std::string& t) { return model_.board().setAircraftCount(t); },
                                 [this] { return model_.choices().aircraftCount; },
                                 [this] { emit changed(); }, [this] { model_.mission().endTyping(); }});
    numbers->addWidget(aircraftCount_);
    groundStart_ = new QCheckBox(u"Groundstart"_s, side);
    groundStart_->setObjectName(u"Check1"_s);
    connect(groundStart_, &QCheckBox::clicked, this, [this](bool on) {
        model_.board().setGroundStart(on);
        emit changed();
    });
    numbers->addWidget(groundStart_);
    nations_ =
        makeButtons(side, u"PNat"_s, captions(model_.mission().catalog().nationCaptions), [this](int i) {
            model_.board().selectNation(i);
            emit changed();
        });
    for (QAbstractButton* button : nations_->buttons())
        numbers->addWidget(button);
    nationText_ = new QLabel(side);
    nationText_->setObjectName(u"Label3"_s);
    numbers->addWidget(nationText_);
    numbers->addStretch();
    roles->addLayout(numbers, 4, 0, 1, 3);

    auto* left = new QVBoxLayout();
    left->setSpacing(6);
    left->addLayout(roles);
    left->addWidget(buildGroups());
    left->addStretch();
    grid->addLayout(left, 0, 0);

    auto* right = new QVBoxLayout();
    right->setSpacing(6);
    pList_ = new QListWidget(side);
    pList_->setObjectName(u"PList"_s);
    // Only a click or Enter on an entry assigns it; focus or the arrow keys arriving here do not.
    uisupport::onEntryChosen(pList_, [this](int row) {
        model_.board().choosePlane(row);
        emit changed();
    });
    right->addWidget(pList_, 1);
    // Under the aircraft list: it lists the loadouts of the player's aircraft.
    auto* loadout = actionLabel("Label24", u"Select your loadout"_s, side);
    connect(loadout, &uisupport::ClickLabel::clicked, this, [this] { loadout_->open(); });
    right->addWidget(loadout, 0, Qt::AlignLeft);
    summary_ = new QLabel(side);
    summary_->setObjectName(u"Label9"_s);
    summary_->setFrameShape(QFrame::StyledPanel);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setMargin(4);
    summary_->setStyleSheet(u"QLabel { background: #FFFFF4; }"_s);
    // Room for every line of the longest summary (twenty lines, "Ground Attack").
    summary_->setFixedHeight(summary_->fontMetrics().lineSpacing() * 20 + 16);
    right->addWidget(summary_);
    auto* rightHolder = new QWidget(side);
    rightHolder->setFixedWidth(px(3900));
    rightHolder->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(rightHolder, 0, 1);

    auto* actions = new QGridLayout();
    actions->setHorizontalSpacing(6);
    actions->setVerticalSpacing(4);
    auto* mapPage = actionLabel("Label12", u"Target Map Page"_s, side);
    connect(mapPage, &uisupport::ClickLabel::clicked, this, &AircraftPage::showMapPage);
    auto* fly = actionLabel("Label14", uisupport::fromGameBytes(model_.settings().flyCaption), side);
    connect(fly, &uisupport::ClickLabel::clicked, this, &AircraftPage::fly);
    auto* saveLoad = actionLabel("Label7", u"Save/Load"_s, side);
    connect(saveLoad, &uisupport::ClickLabel::clicked, this,
            [this] { saveLoad_->setVisible(!saveLoad_->isVisible()); });
    auto* restore = actionLabel("Label30", u"For loading saved"_s, side);
    connect(restore, &uisupport::ClickLabel::clicked, this, &AircraftPage::restoreChoices);
    auto* end = actionLabel("Label15", u"END"_s, side);
    connect(end, &uisupport::ClickLabel::clicked, this, &AircraftPage::endProgram);
    auto* exit = actionLabel("Label17", u"EXIT"_s, side);
    connect(exit, &uisupport::ClickLabel::clicked, this, &AircraftPage::endProgram);
    std::vector<QWidget*> order{mapPage, fly, saveLoad, restore};
    if (model_.settings().flyAction == FlyAction::LaunchGame) {
        auto* results = actionLabel("Label23", u"Show mission results"_s, side);
        connect(results, &uisupport::ClickLabel::clicked, this, [this] {
            model_.showResults();
            emit changed();
        });
        order.push_back(results);
    }
    order.push_back(end);
    order.push_back(exit);
    // Two rows, so the actions ask no more width than the controls above them.
    const int perRow = static_cast<int>(order.size() + 1) / 2;
    for (std::size_t i = 0; i < order.size(); ++i)
        actions->addWidget(order[i], static_cast<int>(i) / perRow, static_cast<int>(i) % perRow);
    actions->setColumnStretch(perRow, 1);
    grid->addLayout(actions, 1, 0, 1, 2);
    grid->setRowStretch(0, 1);
    return side;
}

QWidget* AircraftPage::buildGroups() {
    auto* holder = new QWidget(this);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    const OptionCatalog& c = model_.mission().catalog();
    auto add = [&](Group g, const QString& frameName, int frameIndex) {
        const OptionGroupInfo& info = c.info(g);
        auto group = std::make_unique<OptionGroup>(
            holder, frameName, frameIndex, uisupport::fromGameBytes(info.frameCaption),
            uisupport::fromGameBytes(info.name), captions(info.captions), [this, g](int i) {
                model_.board().selectOption(g, i);
                emit changed();
            });
        const int n = static_cast<int>(groups_.size());
        // Two frames a row: the page stays low enough for a 768-pixel screen.
        grid->addWidget(group->frame(), n / 2, n % 2);
        QWidget* frame = group->frame();
        groups_.emplace_back(g, std::move(group));
        return frame;
    };
    for (std::size_t i = 0; i < c.frameOrder.size(); ++i)
        add(c.frameOrder[i], u"Frame1"_s, static_cast<int>(i));
    interdictionTypeGroup_ = add(Group::IntType, u"Frame3"_s, -1);
    convoySizeGroup_ = add(Group::ISize, u"Frame6"_s, -1);
    return holder;
}

void AircraftPage::sync() {
    const MissionChoices& c = model_.choices();
    for (std::size_t r = 0; r < rolePlanes_.size(); ++r) {
        setIfDifferent(rolePlanes_[r], c.rolePlanes[r]);
        rolePlaneNames_[r]->setText(uisupport::fromGameBytes(model_.mission().roleAircraftNames()[r]));
    }
    setIfDifferent(aircraftCount_, c.aircraftCount);
    {
        const QSignalBlocker block(groundStart_);
        groundStart_->setChecked(c.groundStart);
    }
    selectButton(roles_, c.roleToFill);
    selectButton(nations_, c.nation);
    nationText_->setText(uisupport::fromGameBytes(model_.mission().nationText()));
    for (auto& [g, group] : groups_)
        group->select(c.group(g));
    interdictionTypeGroup_->setVisible(model_.mission().summary().interdictionTypeShown);
    convoySizeGroup_->setVisible(model_.mission().summary().convoySizeShown);
    summary_->setText(uisupport::fromGameLines(model_.mission().summary().summaryText));
    if (pList_->count() != static_cast<int>(model_.mission().lists().aircraftNames.size())) {
        const QSignalBlocker block(pList_);
        pList_->clear();
        for (const auto& name : model_.mission().lists().aircraftNames)
            pList_->addItem(uisupport::fromGameBytes(name));
    }
    saveLoad_->sync();
    loadout_->sync();
    board_->sync();
}

} // namespace sortie::ui
