#include "runtimeerror.h"

namespace runtime {

std::string Description(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "类型不匹配";
    case ErrorKind::DivisionByZero:
        return "除数为零";
    case ErrorKind::InvalidCall:
        return "无效的过程调用或参数";
    case ErrorKind::Overflow:
        return "溢出";
    }
    return "溢出";
}

RuntimeError::RuntimeError(ErrorKind kind) : RuntimeError(kind, Description(kind)) {}

RuntimeError::RuntimeError(ErrorKind kind, const std::string &text)
    : std::runtime_error(text), kind_(kind) {}

} // namespace runtime
