# Views, containers and the frame window of the toolkit, and the window
# backend the frame opens its window through (picked here and nowhere else).
if(WIN32)
    set(gravelo_default_window "win32")
else()
    set(gravelo_default_window "x11")
endif()
set(GRAVELO_WINDOW_BACKEND ${gravelo_default_window} CACHE STRING "Window backend of the toolkit (x11, win32)")

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
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/ShownPicture.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Buttons.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11DragAndDrop.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11ErrorTrap.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Events.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Paint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11SystemScale.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11TopLevel.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/x11/X11Window.cpp)
    target_link_libraries(gravelo_toolkit PRIVATE X11::X11 PkgConfig::CAIRO_XLIB ${CMAKE_DL_LIBS})
elseif(GRAVELO_WINDOW_BACKEND STREQUAL "win32")
    target_sources(gravelo_toolkit PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Buttons.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Class.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Messages.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Paint.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Window.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32Resize.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/Win32SystemScale.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/CDropTarget.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/WinDragContainer.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/ShortcutTarget.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/win32/OleApartment.cpp)
    # Wide-character Win32 throughout (the window class and window names).
    target_compile_definitions(gravelo_toolkit PRIVATE UNICODE _UNICODE)
    target_link_libraries(gravelo_toolkit PUBLIC user32 gdi32 ole32 oleaut32 shell32 uuid)
else()
    message(FATAL_ERROR "Unknown window backend '${GRAVELO_WINDOW_BACKEND}'")
endif()
