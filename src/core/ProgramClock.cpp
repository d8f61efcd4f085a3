#include "core/ProgramClock.h"

namespace remitto {

ProgramClock::ProgramClock(Source source) : m_source(std::move(source)) {}

QDateTime ProgramClock::now() const
{
    return m_source().addMSecs(m_offsetMs);
}

void ProgramClock::setDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDateTime current = now();
    const QDateTime wanted(date, current.time());
    m_offsetMs += current.msecsTo(wanted);
}

void ProgramClock::setTime(const QTime& time)
{
    if (!time.isValid())
        return;
    const QDateTime current = now();
    const QDateTime wanted(current.date(), time);
    m_offsetMs += current.msecsTo(wanted);
}

void ProgramClock::setSource(Source source)
{
    m_source = std::move(source);
}

} // namespace remitto
