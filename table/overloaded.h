#pragma once

// One visitor made of several lambdas, one for each alternative of a std::variant:
// std::visit(Overloaded{[](const A&) {...}, [](const B&) {...}}, value).
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
