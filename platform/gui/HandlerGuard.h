#pragma once
// Event handlers that answer: run inside the exception guard, with the
// answer to use when the handler throws.

#include <functional>

#include "platform/threads/Cooperative.h"

template <class Result>
Result GuardedAnswer(const std::function<Result()>& handler, Result whenThrown) {
    Result answer = whenThrown;
    coop::Guard([&] { answer = handler(); });
    return answer;
}
