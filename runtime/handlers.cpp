#include "handlers.h"

#include "message.h"
#include "runtimeerror.h"

#include <exception>
#include <new>

namespace runtime {

bool RunHandler(const std::function<void()> &handler) {
    try {
        handler();
        return true;
    } catch (const std::bad_alloc &) {
        ShowMessage(QStringLiteral("内存不足"));
    } catch (const std::exception &error) {
        ShowMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowMessage(QString::fromStdString(Description(ErrorKind::InvalidCall)));
    }
    return false;
}

} // namespace runtime
