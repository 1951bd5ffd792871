#include "lineup/suggestlineupunit.h"
#include "app/prompts.h"
#include "lineup/lineupdocument.h"
#include "widgets/formcontrols.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>

// The players with their "available" ticks, without an item per player.
class AvailabilityModel : public QAbstractListModel {
public:
    AvailabilityModel(lineup::SuggestInput &input, QObject *parent) : QAbstractListModel(parent), input(input) {}
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(input.players.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const lineup::SuggestPlayer &p = input.players.at(index.row());
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1  (%2, SL %3)").arg(p.name, p.pos).arg(p.skill);
        if (role == Qt::CheckStateRole)
            return p.available ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractListModel::flags(index) | Qt::ItemIsUserCheckable;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::CheckStateRole)
            return false;
        input.players[index.row()].available = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

private:
    lineup::SuggestInput &input;
};

namespace {

QString sumsText(const lineup::Totals &t)
{
    QStringList parts;
    for (int a = 0; a < lineup::AssignedCount; ++a)
        parts.append(QStringLiteral("%1 %2").arg(lineup::assignedCodes().at(a)).arg(t.sum[a]));
    return QStringLiteral("SL: ") + parts.join(QStringLiteral(", "));
}

QString lightsText(const lineup::Lights &l)
{
    using lineup::Lamp;
    struct Named {
        const char *name;
        Lamp lineup::Lights::*light;
    };
    static const Named lights[] = {{"GK", &lineup::Lights::gk},          {"SW", &lineup::Lights::sw},
                                   {"DF", &lineup::Lights::df},          {"MF", &lineup::Lights::mf},
                                   {"FW", &lineup::Lights::fw},          {"Starting 11", &lineup::Lights::starting11},
                                   {"Five Subs", &lineup::Lights::subs}, {"MF 2:1", &lineup::Lights::mf21},
                                   {"FW 2:1", &lineup::Lights::fw21}};
    QStringList lit;
    for (const Named &n : lights)
        if (l.*n.light != Lamp::Off)
            lit.append(QString::fromLatin1(n.name) + (l.*n.light == Lamp::Green ? QStringLiteral(" (green)") : QString()));
    return QStringLiteral("Lights lit: ") + lit.join(QStringLiteral(", "));
}

} // namespace

TSuggestLineupForm::TSuggestLineupForm(lineup::LineupDocument &document, QWidget *parent)
    : QDialog(parent), doc(document)
{
    setWindowTitle(QStringLiteral("Suggest Lineup"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(460, 480);

    input.modifiers = doc.modifiers();
    input.strategy = doc.choices().StartStrategy;
    input.players.reserve(doc.playerCount());
    for (int i = 0; i < doc.playerCount(); ++i) {
        const lineup::Player &p = doc.player(i);
        lineup::SuggestPlayer s;
        s.name = p.name;
        s.skill = p.skill.trimmed().toInt();
        s.pos = p.pos;
        s.play = p.marks.play;
        s.style = p.marks.style;
        s.subs = p.marks.subs;
        input.players.append(s);
    }

    auto *heading = new QLabel(QStringLiteral("Untick the players who cannot play (injured or suspended). "
                                              "Players already marked keep their marks."),
                               this);
    heading->setWordWrap(true);
    heading->setGeometry(10, 8, 440, 34);
    model = new AvailabilityModel(input, this);
    PlayerList = new QListView(this);
    nameControl(PlayerList, "PlayerList");
    PlayerList->setModel(model);
    PlayerList->setUniformItemSizes(true);
    PlayerList->setGeometry(10, 46, 440, 270);
    FormationLabel = new QLabel(this);
    nameControl(FormationLabel, "FormationLabel");
    FormationLabel->setGeometry(10, 324, 440, 20);
    SumsLabel = new QLabel(this);
    nameControl(SumsLabel, "SumsLabel");
    SumsLabel->setGeometry(10, 346, 440, 20);
    LightsLabel = new QLabel(this);
    nameControl(LightsLabel, "LightsLabel");
    LightsLabel->setWordWrap(true);
    LightsLabel->setGeometry(10, 368, 440, 56);
    ApplyBtn = new QPushButton(QStringLiteral("Apply"), this);
    nameControl(ApplyBtn, "ApplyBtn");
    ApplyBtn->setGeometry(130, 436, 90, 28);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    nameControl(CancelBtn, "CancelBtn");
    CancelBtn->setGeometry(240, 436, 90, 28);
    for (QPushButton *b : {ApplyBtn, CancelBtn})
        b->setAutoDefault(false);
    connect(ApplyBtn, &QPushButton::clicked, this, [this] { runGuarded([this] { ApplyBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // also Esc
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { runGuarded([this] { recompute(); }); });
    recompute();
}

void TSuggestLineupForm::recompute()
{
    current = lineup::suggestLineup(input);
    ApplyBtn->setEnabled(current.found());
    if (!current.found()) {
        FormationLabel->setText(QStringLiteral("No line-up keeps every rule: ") + current.problem);
        SumsLabel->clear();
        LightsLabel->clear();
        return;
    }
    FormationLabel->setText(current.formation + QStringLiteral("  (rating sum %1)").arg(current.sum));
    SumsLabel->setText(sumsText(current.totals));
    LightsLabel->setText(lightsText(current.lights));
}

void TSuggestLineupForm::ApplyBtnClick()
{
    if (!current.found())
        return;
    QVector<lineup::LineupDocument::RowMarks> rows;
    for (int i = 0; i < current.rows.size(); ++i) {
        const lineup::SuggestRow &r = current.rows.at(i);
        const lineup::Player &p = doc.player(i);
        if (r.play == p.marks.play && r.style == p.marks.style && r.subs == p.marks.subs)
            continue;
        lineup::PlayerMarks m = p.marks;
        m.play = r.play;
        m.style = r.style;
        m.subs = r.subs;
        rows.append({i, m});
    }
    doc.setMarks(rows, QStringLiteral("Suggest Lineup"));
    accept();
}
