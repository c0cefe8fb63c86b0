# A speech "factory" for Orca that offers no synthesizer, so Orca speaks to
# nobody and writes every sentence to its debug log as SPEECH OUTPUT, with
# no sound device and no speech-dispatcher. orca-session.sh names it in the
# session's user-settings.conf.
from orca import settings

# Without a server Orca would fall back to these; there are none.
settings.speechFactoryModules = []


class SpeechServer:
    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return []

    @staticmethod
    def getSpeechServer(info=None):
        return None

    @staticmethod
    def shutdownActiveServers():
        pass
