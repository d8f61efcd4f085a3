#pragma once

#include <QList>
#include <QString>

namespace remitto {

/// One printed line: its text in the fixed-pitch printer font at a point size,
/// bold or not. An empty text is a gap: it moves the next line down by the
/// height of a line at its point size.
struct PrintLine {
    QString text;
    int pointSize = 12;
    bool bold = false;

    bool operator==(const PrintLine&) const = default;
};

/// One page: its lines from the top, then the page end.
struct PrintPage {
    QList<PrintLine> lines;

    bool operator==(const PrintPage&) const = default;
};

/// What a form or a list puts on paper, built by pure layout functions and
/// drawn by the renderer of the ui layer. Lines go onto the current page;
/// endPage() closes it, so a job of n pages holds n page ends.
class PrintJob {
public:
    enum class Orientation { Portrait, Landscape };

    explicit PrintJob(bool bold = false, Orientation orientation = Orientation::Portrait)
        : m_bold(bold), m_orientation(orientation)
    {
    }

    /// A text line at `pointSize`, in the job's weight.
    PrintJob& line(const QString& text, int pointSize = 12)
    {
        current().lines.append({text, pointSize, m_bold});
        return *this;
    }
    /// An empty line at `pointSize`.
    PrintJob& gap(int pointSize) { return line(QString(), pointSize); }
    /// Ends the current page; the next line starts a new one.
    PrintJob& endPage()
    {
        current();
        m_open = false;
        return *this;
    }

    /// The pages, each ended. Lines added after the last endPage() form an
    /// open page, which is counted as ended too.
    const QList<PrintPage>& pages() const { return m_pages; }
    bool isEmpty() const { return m_pages.isEmpty(); }
    bool bold() const { return m_bold; }
    Orientation orientation() const { return m_orientation; }

private:
    PrintPage& current()
    {
        if (!m_open) {
            m_pages.append(PrintPage());
            m_open = true;
        }
        return m_pages.last();
    }

    QList<PrintPage> m_pages;
    bool m_open = false;
    bool m_bold = false;
    Orientation m_orientation = Orientation::Portrait;
};

} // namespace remitto
