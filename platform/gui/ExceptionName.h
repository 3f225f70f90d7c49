#pragma once
// The class name of an exception, as the unhandled-exception alert names it.

#include <exception>
#include <string>

std::string ExceptionClassName(std::exception_ptr error);
