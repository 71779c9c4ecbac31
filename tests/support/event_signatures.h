#pragma once
// The signatures under which the calculator window binds its control events.

inline constexpr const char* kKey = "( TextField, String ) as Boolean";
inline constexpr const char* kPress = "( PushButton )";
inline constexpr const char* kMouse = "( Canvas, Integer, Integer ) as Boolean";
