#pragma once

// The outcome of mapping one reply: the decoded model, or a code and a message.

#include <QString>
#include <utility>
#include <variant>

struct MoyaFailure {
    int code = -1;
    QString message;
};

template <class T> class MoyaResult {
public:
    static MoyaResult success(T model) { return MoyaResult(std::move(model)); }
    static MoyaResult failure(int code, QString message)
    {
        return MoyaResult(MoyaFailure { code, std::move(message) });
    }
    static MoyaResult failure(MoyaFailure failure) { return MoyaResult(std::move(failure)); }

    bool isSuccess() const { return std::holds_alternative<T>(m_value); }
    // Only valid on success.
    const T& model() const { return std::get<T>(m_value); }
    // Only valid on failure.
    const MoyaFailure& failureValue() const { return std::get<MoyaFailure>(m_value); }
    int code() const { return failureValue().code; }
    const QString& message() const { return failureValue().message; }

private:
    explicit MoyaResult(T model)
        : m_value(std::move(model))
    {
    }
    explicit MoyaResult(MoyaFailure failure)
        : m_value(std::move(failure))
    {
    }

    std::variant<T, MoyaFailure> m_value;
};
