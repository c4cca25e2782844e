#pragma once

// The envelope around every reply's payload: the reply's identity, the
// server's result fields and the payload record `data`. Replies of one family
// share their result fields (names and defaults); each reply is the envelope
// of its family's result fields and its own payload.

#include "model/RecordDefaults.h"

#include <QString>

namespace ReplyResult {

// `status` and `msg`: the AI wizard and generation replies, the configuration and bind-user replies.
struct StatusMsg {
    int status = -1;
    QString msg = RecordDefaults::missingMessageText();

    template <class Self, class Visitor> static void beforeData(Self& self, Visitor& visit)
    {
        visit("status", self.status);
        visit("msg", self.msg);
    }
    template <class Self, class Visitor> static void afterData(Self&, Visitor&) { }
};

// `status` and `reason`: the design list, the template list and the design details.
struct StatusReason {
    int status = -1;
    QString reason = RecordDefaults::missingMessageText();

    template <class Self, class Visitor> static void beforeData(Self& self, Visitor& visit)
    {
        visit("status", self.status);
        visit("reason", self.reason);
    }
    template <class Self, class Visitor> static void afterData(Self&, Visitor&) { }
};

// `code` and `message`: the resource catalogues, which carry no `status`.
struct CodeMessage {
    int code = -1;
    QString message = RecordDefaults::missingMessageText();

    template <class Self, class Visitor> static void beforeData(Self& self, Visitor& visit)
    {
        visit("code", self.code);
        visit("message", self.message);
    }
    template <class Self, class Visitor> static void afterData(Self&, Visitor&) { }
};

// `code` and `message`, and `status` after the payload: the picture and
// back-up replies. Each reply gives its own default `status`.
template <int DefaultStatus> struct CodeMessageStatus : CodeMessage {
    int status = DefaultStatus;

    template <class Self, class Visitor> static void afterData(Self& self, Visitor& visit)
    {
        visit("status", self.status);
    }
};

// `code`, `reason` and `status` after the payload: the update check. Its
// message defaults to the empty text, not to the localised one.
struct CodeReasonStatus {
    int code = -1;
    QString reason;
    int status = 0;

    template <class Self, class Visitor> static void beforeData(Self& self, Visitor& visit)
    {
        visit("code", self.code);
        visit("reason", self.reason);
    }
    template <class Self, class Visitor> static void afterData(Self& self, Visitor& visit)
    {
        visit("status", self.status);
    }
};

} // namespace ReplyResult

template <class Result, class Data> struct ReplyEnvelope : Result {
    QString id = RecordDefaults::freshUUID();
    Data data;

    ReplyEnvelope() { RecordDefaults::announceConstruction(); }

    template <class Self, class Visitor> static void fields(Self& self, Visitor& visit)
    {
        visit("id", self.id);
        Result::beforeData(self, visit);
        visit("data", self.data);
        Result::afterData(self, visit);
    }
};
