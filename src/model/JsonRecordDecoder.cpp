#include "model/JsonRecordDecoder.h"

#include <vector>

namespace JsonRecordDecoding {

namespace {

// Receives the parser's events. The parser keeps its own nesting state
// without recursion, and so does this handler: a value that no field takes is
// skipped by counting its depth, so deeply nested text costs no stack.
class EventHandler {
public:
    using json = nlohmann::json;

    EventHandler(void* (*construct)(void* root), void* root, const RecordKind& kind)
        : m_construct(construct)
        , m_root(root)
        , m_rootKind(kind)
    {
    }

    bool rootDecoded() const { return m_rootDecoded; }

    bool null() { return scalar(std::monostate {}); }
    bool boolean(bool value) { return scalar(value); }
    bool number_integer(json::number_integer_t value) { return scalar(std::int64_t { value }); }
    bool number_unsigned(json::number_unsigned_t value) { return scalar(std::uint64_t { value }); }
    bool number_float(json::number_float_t value, const json::string_t&) { return scalar(double { value }); }
    bool string(json::string_t& value) { return scalar(std::string_view(value)); }
    bool binary(json::binary_t&) { return scalar(std::monostate {}); }

    bool start_object(std::size_t)
    {
        if (skipping())
            return enterSkipped();
        if (m_frames.empty()) {
            // The top level is an object: the root record starts from its defaults.
            m_rootDecoded = true;
            m_frames.push_back(Frame::forRecord(m_construct(m_root), &m_rootKind));
            return true;
        }
        const Slot slot = takeSlot();
        if (slot.takes == Slot::Takes::Record) {
            m_frames.push_back(Frame::forRecord(slot.target, slot.record));
        } else if (m_frames.back().list) {
            Frame& list = m_frames.back();
            m_frames.push_back(Frame::forRecord(list.list->append(list.target), list.list->element));
        } else {
            m_frames.push_back(Frame::skipped());
        }
        return true;
    }

    bool key(json::string_t& key)
    {
        Frame& frame = m_frames.back();
        if (frame.record)
            frame.pending = frame.record->slotFor(frame.target, key);
        return true;
    }

    bool end_object() { return leave(); }

    bool start_array(std::size_t)
    {
        if (skipping())
            return enterSkipped();
        // A top level that is not an object decodes into nothing; stop reading.
        if (m_frames.empty())
            return false;
        const Slot slot = takeSlot();
        if (slot.takes == Slot::Takes::List) {
            slot.list->clear(slot.target);
            m_frames.push_back(Frame::forList(slot.target, slot.list));
        } else {
            m_frames.push_back(Frame::skipped());
        }
        return true;
    }

    bool end_array() { return leave(); }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&)
    {
        m_rootDecoded = false;
        return false;
    }

private:
    struct Frame {
        void* target = nullptr;
        const RecordKind* record = nullptr;
        const ListKind* list = nullptr;
        // In a record: where the value after the last key goes.
        Slot pending;
        // In a skipped value: how many arrays and objects are open in it.
        int skippedDepth = 0;

        static Frame forRecord(void* target, const RecordKind* kind)
        {
            Frame frame;
            frame.target = target;
            frame.record = kind;
            return frame;
        }
        static Frame forList(void* target, const ListKind* kind)
        {
            Frame frame;
            frame.target = target;
            frame.list = kind;
            return frame;
        }
        static Frame skipped()
        {
            Frame frame;
            frame.skippedDepth = 1;
            return frame;
        }
    };

    bool skipping() const { return !m_frames.empty() && m_frames.back().skippedDepth > 0; }

    bool enterSkipped()
    {
        ++m_frames.back().skippedDepth;
        return true;
    }

    bool leave()
    {
        Frame& frame = m_frames.back();
        if (frame.skippedDepth > 1)
            --frame.skippedDepth;
        else
            m_frames.pop_back();
        return true;
    }

    // The slot of the value that starts now; a list's elements have none.
    Slot takeSlot()
    {
        Frame& frame = m_frames.back();
        Slot slot = frame.pending;
        frame.pending = Slot {};
        return slot;
    }

    bool scalar(const JsonScalar& value)
    {
        // A bare value at the top level decodes into nothing.
        if (m_frames.empty())
            return false;
        if (skipping())
            return true;
        const Slot slot = takeSlot();
        if (slot.takes == Slot::Takes::Scalar)
            slot.assign(slot.target, value);
        return true;
    }

    void* (*m_construct)(void* root);
    void* m_root;
    const RecordKind& m_rootKind;
    std::vector<Frame> m_frames;
    bool m_rootDecoded = false;
};

} // namespace

bool decodeText(std::string_view text, void* (*construct)(void* root), void* root, const RecordKind& kind)
{
    EventHandler handler(construct, root, kind);
    const bool parsed = nlohmann::json::sax_parse(text.begin(), text.end(), &handler);
    return parsed && handler.rootDecoded();
}

} // namespace JsonRecordDecoding
