#pragma once

#include "app/Tallydene.h"
#include "app/clock/OvertimeAccount.h"
#include "model/Project.h"
#include "model/Todo.h"

#include <cstdint>
#include <ostream>

// A todo's time, its project's total and the overtime balance: what every change of time
// moves, compared as one so that a failure shows all three.
struct TodoTimes
{
    int32_t time;
    int32_t total;
    int32_t balance;

    bool operator==(const TodoTimes&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TodoTimes& times)
{
    return out << "{time " << times.time << ", total " << times.total << ", balance "
               << times.balance << "}";
}

inline TodoTimes TimesOf(const Todo& todo, const Tallydene& app)
{
    return {todo.GetTime(), todo.GetProject()->GetTotalTime(),
            app.GetOvertimeAccount().GetBalance()};
}
