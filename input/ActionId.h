#ifndef INPUT_ACTIONID_H
#define INPUT_ACTIONID_H

#include "core/I_Serializable.h"

#include <string>

namespace Input
{
    // What a switch produces: a number, raised as an event id, and a text carried in
    // that event. Number 0 is no action and is never raised.
    class ActionId : public Util::I_Serializable
    {
    public:
        ActionId() = default;
        ActionId(int id, const std::string& text);
        ~ActionId() override = default;

        ActionId(const ActionId&) = default;
        ActionId& operator=(const ActionId&) = default;

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

        virtual void set(int id, const std::string& text);
        virtual int getId() const;
        virtual const std::string& getString() const;

        // By number, then by text (byte-wise); keys of ordered maps.
        bool operator<(const ActionId& other) const;

    private:
        int m_id = 0;
        std::string m_string;
    };
}

#endif
