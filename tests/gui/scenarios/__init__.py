"""Every scenario module; importing this registers them in this order."""
from scenarios import windows  # noqa: F401
from scenarios import dialogs  # noqa: F401
from scenarios import panel2d  # noqa: F401
from scenarios import companions  # noqa: F401
from scenarios import fields  # noqa: F401
from scenarios import keyboard  # noqa: F401
from scenarios import accessibility  # noqa: F401
from scenarios import response_bem  # noqa: F401
from scenarios import desktop  # noqa: F401
