// A window whose messages go through its class's table, T::s_messageTable, and then on to
// Base: the one WindowProc every class with a table shares.
#pragma once

#include "platform/Dialog.h"
#include "platform/MessageTable.h"

template <class T, class Base> class CTableWindow : public Base {
public:
    using Base::Base;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        return RouteMessage<Base>(static_cast<T*>(this), T::s_messageTable, message, wParam,
                                  lParam);
    }
};

template <class T> using CTableDialog = CTableWindow<T, CDialog>;
