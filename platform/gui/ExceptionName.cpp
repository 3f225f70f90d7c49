#include "platform/gui/ExceptionName.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

std::string Demangled(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? readable.get() : mangled;
}

} // namespace

std::string ExceptionClassName(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return Demangled(typeid(e).name());
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        return type ? Demangled(type->name()) : "unknown";
    }
}
