#include "action.h"

#include "errors.h"
#include "interaction.h"
#include "messages.h"

#include <QString>

void Abort()
{
    throw EAbort();
}

void ShowErrorBox(const std::exception &error)
{
    TMessageRequest request;
    request.Kind = TMsgKind::Error;
    request.Caption = ErrorCaption;
    const auto *own = dynamic_cast<const Exception *>(&error);
    request.Text = own ? own->Message() : QString::fromUtf8(error.what());
    Interaction().MessageBox(request);
}

static TErrorHandler &ErrorHandler()
{
    static TErrorHandler handler = ShowErrorBox;
    return handler;
}

void SetErrorHandler(TErrorHandler handler)
{
    ErrorHandler() = handler ? std::move(handler) : TErrorHandler(ShowErrorBox);
}

void HandleError(const std::exception &error)
{
    ErrorHandler()(error);
}

bool RunAction(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const EAbort &) {
        return false;
    } catch (const std::exception &error) {
        HandleError(error);
        return false;
    }
}
