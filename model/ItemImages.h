#pragma once

// Positions in the main view's image list, which also serves as its state image list.
enum ItemImage : int
{
    IMAGE_ACTIVE_TODO = 0,
    IMAGE_DRAG = 1,
    IMAGE_ACTIVE_TODO_COMMENT = 2,
    IMAGE_PROJECT_TIME_COMMENT = 3,
    IMAGE_TODO_TIME_COMMENT = 4,
    IMAGE_PROJECT_COMMENT = 5,
    IMAGE_TODO_COMMENT = 6,
    IMAGE_PROJECT_TIME = 7,
    IMAGE_TODO_TIME = 8,
    // Priorities 0 to 5 follow one another from here.
    IMAGE_FIRST_PRIORITY = 9,
    IMAGE_PROJECT = 15,
    IMAGE_TODO = 16,
    IMAGE_COUNT = 17
};
