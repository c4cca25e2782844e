#include "ai/Step1ViewList.h"

#include "ai/AIEvents.h"
#include "ai/MailSection.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "globals/ModelGlobals.h"

#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int autoSelectDelayMs = 2;
constexpr int rowSpacing = 8;
} // namespace

Step1ViewList::Step1ViewList(QWidget* parent)
    : QWidget(parent)
    , m_scrollArea(new QScrollArea(this))
    , m_content(new QWidget)
    , m_column(new QVBoxLayout(m_content))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(rowSpacing);
    m_column->addStretch();
    m_scrollArea->setWidget(m_content);
    setFixedWidth(MailSection::rowSize.width());
}

void Step1ViewList::setGroups(const IndustryIndex::Groups& groups, const QStringList& letters)
{
    m_groups = groups;
    rebuildRows();
    if (letters == m_letters)
        return;
    m_letters = letters;
    lettersChanged();
}

void Step1ViewList::rebuildRows()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    int position = 0;
    for (const auto& [key, names] : m_groups) {
        for (const QString& name : names) {
            // A rebuilt row keeps showing the industry selected before.
            auto* row = new MailSection(name, position, m_selectedName, m_content);
            connect(row, &MailSection::tapped, this, &Step1ViewList::rowTapped);
            m_column->insertWidget(m_column->count() - 1, row);
            m_rows.append(row);
        }
        ++position;
    }
}

void Step1ViewList::lettersChanged()
{
    QTimer::singleShot(autoSelectDelayMs, this, &Step1ViewList::autoSelectFirst);
}

void Step1ViewList::autoSelectFirst()
{
    if (!m_letters.isEmpty() && m_isFrist) {
        const auto first = m_groups.find(m_letters.constFirst());
        if (first != m_groups.end() && !first->second.isEmpty())
            selectIndustry(first->second.constFirst());
        m_isFrist = false;
    }
    RxBus::shared().post(Step1ViewEventBus::LoadDataSuccess {});
}

void Step1ViewList::rowTapped(const QString& name)
{
    selectIndustry(name);
    RxBus::shared().post(Step1ViewEventBus::LoadDataSuccess {});
}

void Step1ViewList::selectIndustry(const QString& name)
{
    m_selectedName = name;
    RxBus::shared().post(Step1ViewEventBus::SelectEvent { name });
    AiChoices& choices = wizardChoices();
    choices.step1SelectName = name;
    choices.step1SelectId = IndustryIndex::industryIdForName(choices.step1Model, name, choices.step1SelectId);
    m_isSelect = true;
    printLine(QStringLiteral("step1SelectName1 = ") + choices.step1SelectName);
    printLine(QStringLiteral("step1SelectId1 = ") + choices.step1SelectId);
}
