# Views, containers and the frame window of the toolkit, and the window
# backend the frame opens its window through (picked here and nowhere else).
set(GRAVELO_WINDOW_BACKEND "x11" CACHE STRING "Window backend of the toolkit (x11)")

target_sources(gravelo_toolkit PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CViewContainer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CViewContainerDraw.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFrameInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ViewAttributes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ViewMessages.cpp)

if(GRAVELO_WINDOW_BACKEND STREQUAL "x11")
    pkg_check_modules(CAIRO_XLIB REQUIRED IMPORTED_TARGET cairo-xlib)
    target_sources(gravelo_toolkit PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Buttons.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11ErrorTrap.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Events.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Paint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Window.cpp)
    target_link_libraries(gravelo_toolkit PRIVATE X11::X11 PkgConfig::CAIRO_XLIB ${CMAKE_DL_LIBS})
else()
    message(FATAL_ERROR "Unknown window backend '${GRAVELO_WINDOW_BACKEND}'")
endif()
