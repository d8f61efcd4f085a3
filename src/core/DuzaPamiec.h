#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace remitto {

/// Memory for large working data: a whole file held in memory, millions of
/// value offsets. Blocks of a megabyte or more are taken straight from the
/// system, aligned to 2 MB and marked for large pages, so that filling them
/// costs a few dozen page faults instead of tens of thousands (on virtual
/// machines a fault is dear). Smaller blocks come from the ordinary heap.
void* przydzielDuzy(std::size_t bajty);
void zwolnijDuzy(void* p, std::size_t bajty) noexcept;

/// Allocator for std::vector over przydzielDuzy.
template <class T>
struct DuzyAlokator {
    using value_type = T;
    DuzyAlokator() noexcept = default;
    template <class U>
    DuzyAlokator(const DuzyAlokator<U>&) noexcept
    {
    }
    T* allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(przydzielDuzy(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { zwolnijDuzy(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const DuzyAlokator<U>&) const noexcept
    {
        return true;
    }
};

template <class T>
using DuzyWektor = std::vector<T, DuzyAlokator<T>>;

/// A whole file read into large-page memory. `bajty` views the memory (no
/// copy) and stays valid while any copy of the result lives.
struct CalyPlik {
    QByteArray bajty;
    std::shared_ptr<const char> wlasciciel;
    bool ok = false;
    QString blad;  ///< the system's reason when not ok
};

CalyPlik czytajCalyPlik(const QString& sciezka);

} // namespace remitto
