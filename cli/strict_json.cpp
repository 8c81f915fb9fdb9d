#include "strict_json.h"

#include <vector>

namespace velmora::cli {

namespace {

using nlohmann::json;

// Builds the document from the parser's events. Depth and duplicate keys are checked as the
// events arrive, so every byte is looked at once: the parse callback that could do the same
// makes the packaged parser scan each object again after every member, which is quadratic.
class StrictBuilder {
  public:
    explicit StrictBuilder(int maxDepth) : maxDepth_(maxDepth) {}

    json& document() { return root_; }
    const std::string& problem() const { return problem_; }

    bool null() { return value(json(nullptr)); }
    bool boolean(bool b) { return value(json(b)); }
    bool number_integer(json::number_integer_t n) { return value(json(n)); }
    bool number_unsigned(json::number_unsigned_t n) { return value(json(n)); }
    bool number_float(json::number_float_t x, const json::string_t&) { return value(json(x)); }
    bool string(json::string_t& text) { return value(json(std::move(text))); }
    bool binary(json::binary_t& bytes) { return value(json(json::binary_t(std::move(bytes)))); }

    bool start_object(std::size_t) { return open(json::object()); }
    bool start_array(std::size_t) { return open(json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(json::string_t& name) {
        json& object = *stack_.back().value;
        if (object.contains(name)) {
            problem_ = "the key \"" + name + "\" is given twice" + where() +
                       "; one of its values would be lost";
            return false;
        }
        stack_.back().key = std::move(name);
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        problem_ = e.what();
        return false;
    }

  private:
    struct Open {
        json* value;
        std::string key;  // of an object: the key whose value comes next
    };

    // Where an open container stands, as a path of keys and list positions ("elements[2].medium").
    std::string where() const {
        std::string path;
        for (std::size_t i = 0; i + 1 < stack_.size(); ++i) {
            const Open& outer = stack_[i];
            if (outer.value->is_array())
                path += "[" + std::to_string(outer.value->size() - 1) + "]";
            else
                path += (path.empty() ? "" : ".") + outer.key;
        }
        return path.empty() ? " at the top" : " in " + path;
    }

    bool value(json v) {
        place(std::move(v));
        return true;
    }

    json* place(json value) {
        if (stack_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Open& parent = stack_.back();
        if (parent.value->is_array()) {
            parent.value->push_back(std::move(value));
            return &parent.value->back();
        }
        json& slot = (*parent.value)[parent.key];
        slot = std::move(value);
        return &slot;
    }

    bool open(json container) {
        if (static_cast<int>(stack_.size()) >= maxDepth_) {
            problem_ = "lists or objects nested more than " + std::to_string(maxDepth_) + " levels deep";
            return false;
        }
        json* value = place(std::move(container));
        stack_.push_back({value, {}});
        return true;
    }

    bool close() {
        stack_.pop_back();
        return true;
    }

    int maxDepth_;
    json root_;
    std::vector<Open> stack_;
    std::string problem_;
};

}  // namespace

json parseStrictJson(std::string_view text, int maxDepth) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        throw StrictJsonError("a NUL byte at byte " + std::to_string(nul + 1) +
                              "; a JSON text holds none, and what follows it would be ignored");
    StrictBuilder builder(maxDepth);
    // Strict: anything but blanks after the value is an error.
    const bool parsed = json::sax_parse(text.begin(), text.end(), &builder, json::input_format_t::json, true);
    if (!parsed) throw StrictJsonError(builder.problem().empty() ? std::string("cannot be read") : builder.problem());
    return std::move(builder.document());
}

}  // namespace velmora::cli
