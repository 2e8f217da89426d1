// Model timers as SetTimer timers of the application window.
#include <map>

#include "toolkit/Backend.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/Win32Common.h"

namespace win32 {

namespace {

struct TimerTable {
    std::map<TTimer*, UINT_PTR> ids;
    std::map<UINT_PTR, TTimer*> timers;
    UINT_PTR nextId = 1;
};

TimerTable& Table() {
    static TimerTable table;
    return table;
}

UINT_PTR IdOf(TTimer& timer) {
    TimerTable& table = Table();
    auto found = table.ids.find(&timer);
    if (found != table.ids.end()) return found->second;
    const UINT_PTR id = table.nextId++;
    table.ids.emplace(&timer, id);
    table.timers.emplace(id, &timer);
    return id;
}

} // namespace

void TimerFired(UINT_PTR id) {
    TimerTable& table = Table();
    auto found = table.timers.find(id);
    if (found == table.timers.end()) {
        KillTimer(ApplicationWindow(), id);
        return;
    }
    found->second->Fire(); // runs its handler under the guard
}

} // namespace win32

void backend::TimerChanged(TTimer& timer) {
    using namespace win32;
    const UINT_PTR id = IdOf(timer);
    KillTimer(ApplicationWindow(), id);
    if (timer.Enabled() && timer.Interval() > 0) SetTimer(ApplicationWindow(), id, timer.Interval(), nullptr);
}

void backend::TimerDestroyed(TTimer& timer) {
    using namespace win32;
    TimerTable& table = Table();
    auto found = table.ids.find(&timer);
    if (found == table.ids.end()) return;
    KillTimer(ApplicationWindow(), found->second);
    table.timers.erase(found->second);
    table.ids.erase(found);
}
