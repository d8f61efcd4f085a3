#pragma once

#include <QDateTime>
#include <functional>

namespace remitto {

/// Today and now for the whole program. The main window's date and time
/// entries move the program's own clock (an offset kept for the run); the
/// operating system's clock is never touched.
class ProgramClock {
public:
    using Source = std::function<QDateTime()>;

    explicit ProgramClock(Source source = &QDateTime::currentDateTime);

    QDateTime now() const;
    QDate today() const { return now().date(); }

    /// Moves the program's date to `date`, keeping the time of day running.
    void setDate(const QDate& date);
    /// Moves the program's time of day to `time`, keeping the date.
    void setTime(const QTime& time);
    /// Replaces the underlying time source (tests pin it to a fixed moment).
    void setSource(Source source);

private:
    Source m_source;
    qint64 m_offsetMs = 0;
};

} // namespace remitto
